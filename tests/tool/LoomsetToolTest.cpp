// The loomset tool through its process: exit statuses, what it prints and the files it writes.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "loomset/foundation/TnFileStream.h"
#include "loomset/geometry/TnDirectionPattern.h"
#include "tool/SvgCheck.h"

namespace {

namespace fs = std::filesystem;

struct ToolRun {
  int status = -1;
  std::string out;
  std::string err;
};

std::string slurp(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

class LoomsetToolTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir = fs::path(::testing::TempDir()) /
          ("loomset-tool-" +
           std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    fs::remove_all(dir);
    fs::create_directories(dir);
  }
  void TearDown() override { fs::remove_all(dir); }

  // Runs the tool with `args` (already quoted for the shell).
  ToolRun run(const std::string& args) const {
    const fs::path out = dir / "stdout.txt";
    const fs::path err = dir / "stderr.txt";
    const std::string command = std::string("'") + LOOMSET_TOOL_PATH + "' " + args + " >'" +
                                out.string() + "' 2>'" + err.string() + "'";
    ToolRun result;
    const int raw = std::system(command.c_str());
    result.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    result.out = slurp(out);
    result.err = slurp(err);
    return result;
  }

  ToolRun demo() const { return run("demo --out '" + (dir / "demo").string() + "'"); }

  fs::path dir;
};

std::size_t count(const std::string& text, const std::string& what) {
  std::size_t n = 0;
  for (std::size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++n;
  return n;
}

TEST_F(LoomsetToolTest, HelpAndUsageErrors) {
  const ToolRun help = run("--help");
  EXPECT_EQ(help.status, 0);
  EXPECT_NE(help.out.find("demo"), std::string::npos);
  EXPECT_NE(help.out.find("dump"), std::string::npos);
  const ToolRun dumpHelp = run("dump --help");
  EXPECT_EQ(dumpHelp.status, 0);
  EXPECT_NE(dumpHelp.out.find("FAMILY"), std::string::npos);

  for (const std::string& args : std::vector<std::string>{
           "", "weave", "dump", "dump fill", "dump quilt '" + (dir / "x").string() + "'",
           "dump fill '" + (dir / "missing.stream").string() + "'", "demo --out"}) {
    SCOPED_TRACE(args);
    const ToolRun bad = run(args);
    EXPECT_EQ(bad.status, 2);
    EXPECT_NE(bad.err.find("usage: loomset"), std::string::npos);
    EXPECT_EQ(bad.out, "");
  }
}

TEST_F(LoomsetToolTest, DemoRoundTripsEveryManagerAndDrawsTheCatalogue) {
  const ToolRun result = demo();
  ASSERT_EQ(result.status, 0) << result.err;
  EXPECT_EQ(result.err, "");
  std::smatch match;
  ASSERT_TRUE(std::regex_search(result.out, match,
                                std::regex("round trip: ([0-9]+) records, 0 differences\n")));
  EXPECT_GT(std::stoi(match[1]), 7);
  // A clashing, different pattern is renamed with the marker, shown as the character it is.
  EXPECT_NE(result.out.find(" \xC2\xBB"
                            "1 ("),
            std::string::npos);
  EXPECT_NE(result.out.find("recognised: "), std::string::npos);
  for (const char* manager :
       {"gFillManager", "gProgrammedPatManager", "gLockstitchManager", "gWavePatManager",
        "gTileVecPatManager", "gNonTileVecPatManager", "gCompositeVecPatManager"}) {
    SCOPED_TRACE(manager);
    EXPECT_TRUE(fs::is_regular_file(dir / "demo" / (std::string(manager) + ".stream")));
    EXPECT_NE(result.out.find(std::string(manager) + ": "), std::string::npos);
  }
  const fs::path svg = dir / "demo" / "catalogue.svg";
  ASSERT_TRUE(fs::is_regular_file(svg));
  EXPECT_TRUE(loomset::test::parsesAsSvg(svg.string()));
}

TEST_F(LoomsetToolTest, DumpPrintsEveryRecordAndNamesTheFirstBadOne) {
  ASSERT_EQ(demo().status, 0);
  const fs::path fills = dir / "demo" / "gFillManager.stream";
  const ToolRun dump = run("dump fill '" + fills.string() + "'");
  EXPECT_EQ(dump.status, 0) << dump.err;
  const std::size_t records = count(dump.out, "TnFillPattern [");
  EXPECT_GT(records, 1u);

  // Cut the last record short: the others print, the cut one gives one line and status 1.
  std::string bytes = slurp(fills);
  const fs::path cut = dir / "cut.stream";
  std::ofstream(cut, std::ios::binary) << bytes.substr(0, bytes.size() - 1);
  const ToolRun truncated = run("dump fill '" + cut.string() + "'");
  EXPECT_EQ(truncated.status, 1);
  EXPECT_EQ(count(truncated.out, "TnFillPattern ["), records - 1);
  EXPECT_TRUE(std::regex_match(
      truncated.err, std::regex("loomset dump: .*cut\\.stream: record " + std::to_string(records) +
                                " at byte [0-9]+: truncated\n")))
      << truncated.err;

  // A wave record of a version this library does not know.
  const fs::path future = dir / "future.stream";
  std::ofstream(future, std::ios::binary) << std::string("\x07\x00\x01\x00W", 5);
  const ToolRun unknown = run("dump wave '" + future.string() + "'");
  EXPECT_EQ(unknown.status, 1);
  EXPECT_EQ(unknown.out, "");
  EXPECT_EQ(unknown.err,
            "loomset dump: " + future.string() + ": record 1 at byte 0: unknown version 7\n");

  // A whole wave record whose Bezier part has a version this library does not know.
  const fs::path inner = dir / "inner.stream";
  std::ofstream(inner, std::ios::binary) << std::string("\x01\x00\x01\x00W\x02\x00", 7);
  const ToolRun invalid = run("dump wave '" + inner.string() + "'");
  EXPECT_EQ(invalid.status, 1);
  EXPECT_EQ(invalid.err,
            "loomset dump: " + inner.string() + ": record 1 at byte 0: invalid value\n");

  // Every family reads the files written for it.
  for (const auto& [family, manager] :
       std::vector<std::pair<std::string, std::string>>{{"programmed", "gLockstitchManager"},
                                                        {"wave", "gWavePatManager"},
                                                        {"vector", "gTileVecPatManager"}}) {
    SCOPED_TRACE(family);
    const ToolRun each =
        run("dump " + family + " '" + (dir / "demo" / (manager + ".stream")).string() + "'");
    EXPECT_EQ(each.status, 0) << each.err;
    EXPECT_FALSE(each.out.empty());
  }
}

TEST_F(LoomsetToolTest, PlacePrintsEachVectorWithItsNeedlePointAndTheBox) {
  // A quarter turn: the cross motif advancing along (4, 0) laid up the y-axis.
  const ToolRun builtin = run("place 'builtin:Cross Stitch' 0 0 0 10");
  ASSERT_EQ(builtin.status, 0) << builtin.err;
  EXPECT_EQ(builtin.out,
            "motif: Cross Stitch, thread Main\n"
            "span: (0, 0) -> (0, 10)\n"
            "(-4, 4) stitch -> (-4, 4)\n"
            "(4, 0) jump -> (0, 4)\n"
            "(-4, -4) stitch -> (-4, 0)\n"
            "(4, 4) jump -> (0, 4)\n"
            "box: (0, 0) (-4, 0) (0, 4) (-4, 4)\n");

  // A motif from a stream file, laid backwards and mirrored from (10, 5) to (10, -5), and drawn.
  TnDirectionPattern motif;
  motif.setReferenceAndDirections(TnVector<double>(3, 0),
                                  {{TnVector<double>(1, 2), 0}, {TnVector<double>(2, -2), 1}});
  const fs::path file = dir / "motif.stream";
  {
    TnFileStream stream(file.string().c_str(), TnFileStream::kWrite);
    ASSERT_EQ(motif.write(stream), 0);
    ASSERT_EQ(stream.close(), 0);
  }
  const fs::path svg = dir / "place.svg";
  const ToolRun placed = run("place --reverse --mirror --svg '" + svg.string() + "' '" +
                             file.string() + "' 10 5 10 -5");
  ASSERT_EQ(placed.status, 0) << placed.err;
  EXPECT_NE(placed.out.find("span: (10, 5) -> (10, -5), reversed, mirrored\n"), std::string::npos);
  EXPECT_NE(placed.out.find("(-2, -1) stitch -> (8, 4)\n(2, -2) jump -> (10, 2)\n"),
            std::string::npos)
      << placed.out;
  EXPECT_TRUE(loomset::test::parsesAsSvg(svg.string()));

  // A span without length: the span itself as one jump, and the box unturned with all corners.
  const ToolRun still = run("place 'builtin:Cross Stitch' 1 1 1 1");
  EXPECT_NE(still.out.find("(0, 0) jump -> (1, 1)\nbox: (1, 1) (1, 5) (5, 1) (5, 5)\n"),
            std::string::npos)
      << still.out;

  for (const std::string& args : std::vector<std::string>{
           "place 'builtin:Cross Stitch' 0 0 0", "place 'builtin:Cross Stitch' 0 0 0 ten",
           "place 'builtin:Cross Stitch' 0 0 0 nan", "place builtin:Nothing 0 0 1 1",
           "place '" + (dir / "missing.stream").string() + "' 0 0 1 1"}) {
    SCOPED_TRACE(args);
    const ToolRun bad = run(args);
    EXPECT_EQ(bad.status, 2);
    EXPECT_NE(bad.err.find("usage: loomset"), std::string::npos);
  }
}

TEST_F(LoomsetToolTest, RenderDrawsEveryRecordOrNamesTheBadOne) {
  ASSERT_EQ(demo().status, 0);
  const fs::path svg = dir / "render.svg";
  const ToolRun rendered =
      run("render vector '" + (dir / "demo" / "gTileVecPatManager.stream").string() + "' --svg '" +
          svg.string() + "'");
  ASSERT_EQ(rendered.status, 0) << rendered.err;
  EXPECT_EQ(rendered.out, "drew " + svg.string() + ": 2 panels\n");
  EXPECT_TRUE(loomset::test::parsesAsSvg(svg.string()));

  const std::string bytes = slurp(dir / "demo" / "gWavePatManager.stream");
  const fs::path cut = dir / "cut.stream";
  std::ofstream(cut, std::ios::binary) << bytes.substr(0, bytes.size() - 2);
  const fs::path none = dir / "none.svg";
  const ToolRun bad = run("render wave '" + cut.string() + "' --svg '" + none.string() + "'");
  EXPECT_EQ(bad.status, 1);
  EXPECT_TRUE(std::regex_match(
      bad.err, std::regex("loomset render: .*cut\\.stream: record 3 at byte [0-9]+: truncated\n")))
      << bad.err;
  EXPECT_FALSE(fs::exists(none));
  EXPECT_EQ(run("render wave '" + cut.string() + "'").status, 2);  // --svg is required
}

}  // namespace
