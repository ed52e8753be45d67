// The loomset tool as its users meet it: each row runs a command line in a scratch directory and
// checks the exit status and what the command prints; then the pictures the rows drew.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <regex>
#include <string>

#include "loomset/foundation/TnMemoryStream.h"
#include "loomset/patterns/RecordIo.h"
#include "tool/SvgCheck.h"

namespace {

namespace fs = std::filesystem;

// A shell command line, in which `loomset` runs the tool, with its exit status, and what its
// standard output and error must show: "" nothing, "@NAME" exactly the file expected/NAME, and
// anything else a match of that regular expression.
struct Row {
  const char* command;
  int status;
  const char* out;
  const char* err;
};

const Row kRows[] = {
    // The command line.
    {"loomset --version", 0, "^loomset [0-9]+\\.[0-9]+\\.[0-9]+\\n$", ""},
    {"loomset --help", 0, "Subcommands:[\\s\\S]*dump[\\s\\S]*place[\\s\\S]*make", ""},
    {"loomset", 2, "", "^loomset: a command is required \\(see loomset --help\\)\\n$"},
    {"loomset --bogus", 2, "", "^loomset: unknown option --bogus \\(see loomset --help\\)\\n$"},
    {"loomset frobnicate", 2, "",
     "^loomset: unknown command frobnicate \\(see loomset --help\\)\\n$"},
    {"loomset dump --bogus x", 2, "", "^loomset dump: unknown option --bogus \\(see loomset dump"},
    {"loomset make", 2, "", "^loomset make: a command is required \\(see loomset make --help\\)"},
    {"loomset dump", 2, "", "^loomset dump: .*FILE is required \\(see loomset dump --help\\)\\n$"},
    {"loomset place --fit --once builtin:X 0 0 1 1", 2, "", "--fit excludes --once"},
    {"loomset place 'builtin:Cross Stitch' 0 0 0 nan", 2, "", "not a finite number: nan"},
    {"loomset place builtin:Nothing 0 0 1 1", 2, "", "no built-in programmed pattern Nothing\\n$"},

    // The demo writes to demo/, as the README says.
    {"loomset demo", 0,
     "renamed: Random Fill -> Random Fill \xC2\xBB"
     "1 \\(gFillManager\\)[\\s\\S]*wrote demo/gWavePatManager.stream: 3 records\\n[\\s\\S]*"
     "round trip: 20 records, 0 differences\\n$",
     ""},

    // dump: every motif in its own frame, the family found, names made safe.
    {"loomset dump demo/gProgrammedPatManager.stream", 0, "@dump-programmed.txt", ""},
    {"loomset dump --record-text programmed demo/gProgrammedPatManager.stream", 0,
     "\\nTnProgrammedPattern \\[Dashed Run\\]\\n  Direction Pattern\\[1\\]: \\nThread Identifier: "
     "Main\\nTheReference Direction : \\(4, 0\\) \\n\\t\\t\\(0, 2\\), \\n",
     ""},
    {"loomset dump wave demo/gWavePatManager.stream", 0,
     "^demo/gWavePatManager.stream: 3 wave records\\nrecord 1 at byte 0 \\(57 bytes\\)\\n"
     "TnWavePattern \\[Scallop\\]\\nTnBezierPattern\\n",
     ""},
    {"loomset dump names.stream", 0, "@dump-names.txt", ""},
    {"loomset dump empty.stream", 0, "^empty.stream: 0 records\\n$", ""},
    {"loomset dump fill demo/gWavePatManager.stream", 1, "^record 1 at byte 0 \\(",
     "^loomset dump: demo/gWavePatManager.stream: record 9 at byte 88: truncated; the whole file "
     "reads as wave\\n$"},
    {"loomset dump ambiguous.stream", 1, "",
     "ambiguous.stream: the whole file reads as fill and as direction; name the family\\n$"},
    {"head -c 50 demo/gWavePatManager.stream >cut.stream && loomset dump cut.stream", 1, "",
     "^loomset dump: cut.stream: no family reads the whole file"},
    {"loomset dump wave cut.stream", 1, "",
     "^loomset dump: cut.stream: record 1 at byte 0: truncated\\n$"},
    {"printf '\\007\\000\\001\\000W' >future.stream && loomset dump wave future.stream", 1, "",
     "future.stream: record 1 at byte 0: unknown version 7\\n$"},
    {"printf '\\001\\000\\001\\000W\\002\\000' >inner.stream && loomset dump wave inner.stream", 1,
     "", "inner.stream: record 1 at byte 0: invalid value\\n$"},
    {"loomset dump quilt empty.stream", 2, "", "unknown family quilt \\(fill, programmed, wave"},
    {"loomset dump missing.stream", 1, "", "^loomset dump: missing.stream: cannot be read\\n$"},

    // place: repeated, fitted or once along the span; the box the needle points cover.
    {"loomset place --flip 'builtin:Cross Stitch' 0 0 10 0", 0, "@place-flip.txt", ""},
    {"loomset place --reverse 'builtin:Cross Stitch' 0 0 10 0", 0, "@place-reverse.txt", ""},
    {"loomset place 'builtin:Cross Stitch' 0 0 20 0", 0, "@place-repeat.txt", ""},
    {"loomset place 'builtin:Cross Stitch' 0 0 1 0", 1, "",
     "no whole repeat fits the span \\(advance 4, span 1\\); lay it --fit or --once\\n$"},
    {"loomset place --fit 'builtin:Cross Stitch' 0 0 18 0", 0,
     "laid: 5 repeats of 3.6, scaled by 0.9 \\(--fit\\); 0 of the span left over\\n[\\s\\S]*"
     "\\(3.6, -3.6\\) jump -> \\(18, 0\\)\\ncovers: along 0..18, across 0..3.6 ",
     ""},
    {"loomset place --once --svg once.svg 'builtin:Lock Triangle' 5 5 5 -5", 0,
     "^motif: Lock Triangle, thread Main\\n[\\s\\S]*laid: once, advancing 2 \\(--once\\)", ""},
    {"loomset place --once 'builtin:Cross Stitch' 1 1 1 1", 0,
     "\\(0, 0\\) jump -> \\(1, 1\\)\\ncovers: along 0..0, across 0..0 .*\\n"
     "getBoundingBox of the first repeat: \\(1, 1\\) \\(5, 1\\) \\(5, 5\\) \\(1, 5\\) ",
     ""},
    {"printf '\\003\\000' >short.stream && loomset place short.stream 0 0 1 0", 1, "",
     "^loomset place: short.stream: record 1 at byte 0: truncated\\n$"},
    // A jump is any non-zero flag: this motif's one entry is flagged -1.
    {"printf '\\003\\000\\000\\000\\200\\077\\000\\000\\000\\000\\001\\000\\000\\000\\200\\077"
     "\\000\\000\\000\\000\\377\\377' >minus.stream && loomset place --once minus.stream 0 0 1 0",
     0, "\\n\\(1, 0\\) jump -> \\(1, 0\\)\\n", ""},
    {"loomset make direction 1,0 0,1 -1,-1 -o closed.stream >/dev/null && "
     "loomset place closed.stream 0 0 5 0",
     1, "", "the motif ends where it starts, so repeats do not advance"},
    {"loomset make direction --reference 3,0 1,2 2,-2:jump -o m.stream >/dev/null && "
     "loomset place --once --reverse --mirror --svg m.svg m.stream 10 5 10 -5",
     0,
     "span: \\(10, 5\\) -> \\(10, -5\\), length 10, reversed, mirrored\\n[\\s\\S]*"
     "\\(-2, -1\\) stitch -> \\(8, 4\\)\\n\\(2, -2\\) jump -> \\(10, 2\\)\\n",
     ""},

    // make: motifs and programmed patterns without a hex editor.
    {"loomset make direction --reference 4,0 4,4 0,-4:jump -4,4 4,-4:jump -o motif.stream", 0,
     "@make-direction.txt", ""},
    {"loomset place motif.stream 0 0 9 0", 0, "laid: 2 repeats of 4 \\(--repeat, the default\\)",
     ""},
    {"loomset make programmed 'Cross \xC2\xBB"
     "2' Main=motif.stream Accent=motif.stream -o cross.stream",
     0,
     "TnProgrammedPattern \\[Cross \xC2\xBB"
     "2\\]\\n  Direction Pattern\\[1\\]: Thread Identifier: Main\\n[\\s\\S]*"
     "Direction Pattern\\[2\\]: Thread Identifier: Accent\\n",
     ""},
    {"loomset make direction 4,x -o x.stream", 2, "", "make direction: not a step: 4,x"},
    {"loomset make programmed X Main -o x.stream", 2, "", "not THREAD=FILE: Main\\n$"},
    {"loomset make programmed X Main=demo/gFillManager.stream -o x.stream", 1, "",
     "a direction-pattern file is wanted"},

    // render: capped, selected, on one scale, tiled.
    {"loomset render big.stream --svg big.svg", 0,
     "^drew big.svg: 60 of 100000 records, 99940 more left out \\(--first N draws more\\)\\n$", ""},
    {"loomset render --only Brick demo/gFillManager.stream --svg brick.svg", 0,
     "^drew brick.svg: 1 of 5 records, 4 not named Brick\\n$", ""},
    {"loomset render --same-scale demo/gFillManager.stream --svg fills.svg", 0, "5 of 5", ""},
    {"loomset render --first 2 demo/gWavePatManager.stream --svg waves.svg", 0,
     "2 of 3 records, 1 more left out", ""},
    {"loomset render demo/gTileVecPatManager.stream --tile --svg tiles.svg", 0,
     "^drew tiles.svg: 2 of 2 records\\n$", ""},
    {"loomset render names.stream --svg names.svg", 0, "^drew names.svg: 1 of 1 record\\n$", ""},
    {"loomset make direction 2e38,0 0,2e38:jump -o huge.stream >/dev/null && "
     "loomset render huge.stream --svg huge.svg",
     0, "^drew huge.svg: 1 of 1 record\\n$", ""},
    {"loomset render direction ambiguous.stream --svg empty.svg", 0, "1 of 1 record", ""},
    {"loomset render wave cut.stream --svg cut.svg", 1, "", "record 1 at byte 0: truncated\\n$"},
};

// A picture that the rows drew, and a regular expression that it must match.
struct Picture {
  const char* path;
  const char* pattern;
};

const Picture kPictures[] = {
    // Nine curves, one per tile, for the first pattern.
    {"tiles.svg", "(<path d=\"M[^\"]*C[^\"]*\" [^>]*stroke=\"#1e8449\"[^>]*/>\\n){9}"},
    {"names.svg", ">a\\\\x00b\\\\x1B\\[31mc\xC3\xBF\xC2\xBB\\\\x9B\\\\x7F&lt;&amp;<"},
    {"empty.svg", ">nothing to draw<"},
    {"big.svg", ">big.stream: 60 of 100000 records, 99940 more left out"},
    {"once.svg", "<circle [^>]*r=\"4\" fill=\"#ffffff\""},
    {"huge.svg", ">partly drawn<"},
    {"demo/catalogue.svg", ">thread Accent<"},
    // Grid lines, and one scale: the fill of stitch length 7 on the grid of the others.
    {"fills.svg", "<path d=\"[^\"]*\" fill=\"none\" stroke=\"#e2e5e9\""},
    {"fills.svg",
     ">Random Fill \xC2\xBB"
     "1</text>\\n<text [^>]*>grid 50<"},
};

std::string slurp(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void expectShows(const std::string& text, const std::string& want, const char* stream) {
  if (want.empty()) {
    EXPECT_EQ(text, "") << stream;
  } else if (want[0] == '@') {
    EXPECT_EQ(text, slurp(fs::path(__FILE__).parent_path() / "expected" / want.substr(1)))
        << stream;
  } else {
    EXPECT_TRUE(std::regex_search(text, std::regex(want))) << stream << ":\n" << text;
  }
}

// Files the rows read: one of each sort a user may meet that the tool does not write.
void writeFiles(const fs::path& dir) {
  const auto put = [&dir](const char* name, const std::vector<unsigned char>& bytes) {
    std::ofstream(dir / name, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), static_cast<long>(bytes.size()));
  };
  put("empty.stream", {});
  // 03 00 | 00 00 80 40 | 02 00 00 00 | 00 00: a direction pattern of no entries, and a fill.
  put("ambiguous.stream", {3, 0, 0, 0, 0x80, 0x40, 2, 0, 0, 0, 0, 0});
  TnFillPattern fill;
  const unsigned char offsets[] = {0, 50};
  fill.init(TnString("a\0b\x1B[31mc\xFF\xBB\x9B\x7F<&", 15), 40, 2, offsets);
  TnMemoryStream names;
  loomset::writeRecord(fill, names);
  put("names.stream", names.bytes());
  TnMemoryStream many;
  for (int i = 0; i < 100000; ++i) loomset::writeRecord(fill, many);
  put("big.stream", many.bytes());
}

TEST(LoomsetToolTest, CommandsAsAUserRunsThem) {
  // A folder of this run's own, as other builds' suites may run at the same time.
  const fs::path dir =
      fs::path(::testing::TempDir()) / ("loomset-tool-" + std::to_string(getpid()));
  fs::remove_all(dir);
  fs::create_directories(dir);
  writeFiles(dir);
  for (const Row& row : kRows) {
    SCOPED_TRACE(row.command);
    const std::string command = "cd '" + dir.string() +
                                "' && loomset() { '" LOOMSET_TOOL_PATH "' \"$@\"; } && { " +
                                row.command + "; } >stdout.txt 2>stderr.txt";
    const int raw = std::system(command.c_str());
    EXPECT_EQ(WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, row.status);
    expectShows(slurp(dir / "stdout.txt"), row.out, "stdout");
    expectShows(slurp(dir / "stderr.txt"), row.err, "stderr");
  }
  for (const Picture& picture : kPictures) {
    EXPECT_TRUE(std::regex_search(slurp(dir / picture.path), std::regex(picture.pattern)))
        << picture.path;
  }
  for (const auto& entry : fs::recursive_directory_iterator(dir)) {
    if (entry.path().extension() == ".svg") {
      EXPECT_TRUE(loomset::test::parsesAsSvg(entry.path().string())) << entry.path();
    }
  }
  EXPECT_FALSE(fs::exists(dir / "cut.svg"));
}

}  // namespace
