#include "cli/Make.h"

#include <cmath>
#include <cstdlib>

#include "cli/FileCommands.h"
#include "cli/Files.h"
#include "cli/ReadableName.h"
#include "loomset/foundation/TnFileStream.h"

namespace loomset::tool {

namespace {

// Parses a whole "X,Y" of two finite numbers.
bool parseVector(const std::string& text, TnVector<double>& vector) {
  const char* at = text.c_str();
  char* end = nullptr;
  const double x = std::strtod(at, &end);
  if (end == at || *end != ',') return false;
  at = end + 1;
  const double y = std::strtod(at, &end);
  if (end == at || *end != '\0' || !std::isfinite(x) || !std::isfinite(y)) return false;
  vector = TnVector<double>(x, y);
  return true;
}

// Parses "X,Y", "X,Y:stitch" or "X,Y:jump".
bool parseStep(const std::string& text, std::pair<TnVector<double>, int>& step) {
  const std::size_t colon = text.find(':');
  const std::string kind = colon == std::string::npos ? "stitch" : text.substr(colon + 1);
  step.second = kind == "jump" ? 1 : 0;
  return (kind == "jump" || kind == "stitch") && parseVector(text.substr(0, colon), step.first);
}

// Writes the record to the file at `path` and dumps what the file holds, read as `family`.
template <class Record>
int writeAndDump(Record& record, const char* family, const std::string& path, std::ostream& out,
                 std::ostream& err) {
  TnFileStream file(path.c_str(), TnFileStream::kWrite);
  const int written = file.isOpen() != 0 ? writeRecord(record, file) : 1;
  if (file.close() != 0 || written != 0) {
    err << "loomset make: " << path << ": cannot be written" << std::endl;
    return 1;
  }
  out << "wrote " << path << std::endl;
  return runDump({family, path}, false, out, err);
}

}  // namespace

int runMakeDirection(const std::vector<std::string>& steps, const std::string& reference,
                     const std::string& path, std::ostream& out, std::ostream& err) {
  TnDirectionPattern::Directions motif;
  for (const std::string& text : steps) {
    std::pair<TnVector<double>, int> step;
    if (!parseStep(text, step)) {
      err << "loomset make direction: not a step: " << text << " (X,Y or X,Y:jump)" << std::endl;
      return 2;
    }
    motif.push_back(step);
  }
  TnVector<double> line;
  if (!reference.empty() && !parseVector(reference, line)) {
    err << "loomset make direction: not a reference line: " << reference << " (X,Y)" << std::endl;
    return 2;
  }
  TnDirectionPattern pattern;
  if (reference.empty()) {
    pattern.setReferenceAndDirections(motif);
  } else {
    pattern.setReferenceAndDirections(line, motif);
  }
  return writeAndDump(pattern, "direction", path, out, err);
}

int runMakeProgrammed(const std::string& name, const std::vector<std::string>& threads,
                      const std::string& path, std::ostream& out, std::ostream& err) {
  TnProgrammedPattern::Description description;
  for (const std::string& text : threads) {
    const std::size_t equals = text.find('=');
    if (equals == std::string::npos) {
      err << "loomset make programmed: not THREAD=FILE: " << text << std::endl;
      return 2;
    }
    const std::string file = text.substr(equals + 1);
    std::vector<unsigned char> bytes;
    std::vector<TnDirectionPattern> motifs;
    ReadFailure failure;
    if (!readFile(file, bytes)) {
      err << "loomset make programmed: " << file << ": cannot be read" << std::endl;
      return 1;
    }
    if (!readRecords(bytes, motifs, failure)) {
      reportFailure(err, "make programmed", file, failure, " (a direction-pattern file is wanted)");
      return 1;
    }
    for (const TnDirectionPattern& motif : motifs)
      description.emplace_back(storedName(text.substr(0, equals)), motif);
  }
  TnProgrammedPattern pattern;
  pattern.rename(storedName(name));
  pattern.setPatternDescription(description);
  return writeAndDump(pattern, "programmed", path, out, err);
}

}  // namespace loomset::tool
