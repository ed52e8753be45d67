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
  const std::string parse =
      "python3 -c 'import sys, xml.etree.ElementTree as E; "
      "sys.exit(0 if E.parse(sys.argv[1]).getroot().tag.endswith(\"svg\") else 1)' '" +
      svg.string() + "'";
  EXPECT_EQ(std::system(parse.c_str()), 0);
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

}  // namespace
