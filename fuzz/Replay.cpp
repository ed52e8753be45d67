// Replays the fuzz corpora without libFuzzer, through the same oracles, on any compiler and
// platform. For every input, in the order of the targets and then of the file names, it prints
// one line: the input, the family read, the result, the bytes consumed, and the FNV-1a hash of
// the bytes that the record wrote back ("-" when it wrote none). The same file must give every
// host the same line.
//
//   loomset_replay CORPUS_DIR [--expect FILE] [--out FILE]
//
// --expect compares the lines with FILE and fails on the first difference; --out writes them to
// FILE. An oracle that fails aborts with the promise that was broken.
#include <algorithm>
#include <cinttypes>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "Targets.h"

namespace {

namespace fs = std::filesystem;

std::string hashOf(const loomset::fuzz::Outcome& outcome) {
  if (!outcome.wrote) return "-";
  std::uint64_t hash = 0xcbf29ce484222325u;
  for (unsigned char byte : outcome.written) hash = (hash ^ byte) * 0x100000001b3u;
  char text[17];
  std::snprintf(text, sizeof text, "%016" PRIx64, hash);
  return text;
}

std::vector<unsigned char> contentsOf(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::vector<unsigned char>(std::istreambuf_iterator<char>(in),
                                    std::istreambuf_iterator<char>());
}

std::string linesFor(const fs::path& corpus) {
  std::ostringstream lines;
  for (const loomset::fuzz::Target& target : loomset::fuzz::kTargets) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(corpus / target.name))
      names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    for (const std::string& name : names) {
      const std::vector<unsigned char> bytes = contentsOf(corpus / target.name / name);
      const loomset::fuzz::Outcome outcome = target.check(bytes.data(), bytes.size());
      lines << target.name << '/' << name << ' ' << outcome.family << ' ' << outcome.result << ' '
            << outcome.consumed << ' ' << hashOf(outcome) << '\n';
    }
  }
  return lines.str();
}

std::string textOf(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  text.erase(std::remove(text.begin(), text.end(), '\r'), text.end());
  return text;
}

// The first line where `got` and `want` differ, both shown.
int reportDifference(const std::string& got, const std::string& want) {
  std::istringstream a(got);
  std::istringstream b(want);
  std::string mine;
  std::string theirs;
  for (int line = 1;; ++line) {
    const bool more = static_cast<bool>(std::getline(a, mine));
    const bool expected = static_cast<bool>(std::getline(b, theirs));
    if (!more && !expected) return 0;
    if (more && expected && mine == theirs) continue;
    std::fprintf(stderr, "line %d differs:\n  got:      %s\n  expected: %s\n", line,
                 more ? mine.c_str() : "(end)", expected ? theirs.c_str() : "(end)");
    return 1;
  }
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2 || argc % 2 != 0) {
    std::fprintf(stderr, "usage: loomset_replay CORPUS_DIR [--expect FILE] [--out FILE]\n");
    return 2;
  }
  const std::string lines = linesFor(argv[1]);
  int status = 0;
  for (int i = 2; i + 1 < argc; i += 2) {
    const std::string option = argv[i];
    if (option == "--out") {
      std::ofstream(argv[i + 1], std::ios::binary) << lines;
    } else if (option == "--expect") {
      status |= reportDifference(lines, textOf(argv[i + 1]));
    } else {
      std::fprintf(stderr, "loomset_replay: unknown option %s\n", argv[i]);
      return 2;
    }
  }
  if (argc == 2) std::fwrite(lines.data(), 1, lines.size(), stdout);
  const auto count = std::count(lines.begin(), lines.end(), '\n');
  std::fprintf(stderr, "%ld inputs replayed\n", static_cast<long>(count));
  return status;
}
