#include "cli/FileCommands.h"

#include <algorithm>
#include <vector>

#include "cli/Files.h"
#include "cli/PreviewSheet.h"
#include "cli/ReadableName.h"
#include "loomset/patterns/RecordFile.h"

namespace loomset::tool {

namespace {

// A file's bytes and the family they are read as.
struct Source {
  std::vector<unsigned char> bytes;
  Family family = Family::kFill;
  bool guessed = false;
};

std::string familyList(const std::vector<Family>& families, const char* separator) {
  std::string list;
  for (const Family family : families)
    list += (list.empty() ? "" : separator) + std::string(familyName(family));
  return list;
}

// Fills `source` for the file; 0, or the exit status with the reason told on `err`.
int open(const char* command, const FileOptions& file, Source& source, std::ostream& err) {
  const std::string prefix = std::string("loomset ") + command + ": ";
  if (!file.family.empty() && !familyNamed(file.family.c_str(), source.family)) {
    const std::vector<Family> all(std::begin(kFamilies), std::end(kFamilies));
    err << prefix << "unknown family " << file.family << " (" << familyList(all, ", ") << ")"
        << std::endl;
    return 2;
  }
  if (!readFile(file.path, source.bytes)) {
    err << prefix << file.path << ": cannot be read" << std::endl;
    return 1;
  }
  if (!file.family.empty()) return 0;
  const std::vector<Family> whole = familiesReadingWhole(source.bytes);
  // No bytes are no records, whatever the family.
  if (whole.size() == 1 || source.bytes.empty()) {
    source.family = whole.front();
    source.guessed = true;
    return 0;
  }
  err << prefix << file.path << ": "
      << (whole.empty()
              ? "no family reads the whole file; name one to see where it fails"
              : "the whole file reads as " + familyList(whole, " and as ") + "; name the family")
      << std::endl;
  return 1;
}

// The failure, and the families as whose records the whole file reads, if any.
void reportBadRecord(const char* command, const FileOptions& file, const Source& source,
                     const ReadFailure& failure, std::ostream& err) {
  const std::vector<Family> whole = familiesReadingWhole(source.bytes);
  const std::string hint =
      whole.empty() ? std::string() : "; the whole file reads as " + familyList(whole, " and as ");
  reportFailure(err, command, file.path, failure, hint);
}

TnString readableCopy(const TnString& name) { return TnString(readableName(name).c_str()); }

// A copy whose name and thread identifiers print readably in the record's own text.
template <class Record>
Record readable(Record record) {
  TnString name = readableCopy(record.getId());
  record.rename(name);
  return record;
}
TnDirectionPattern readable(const TnDirectionPattern& motif) { return motif; }
TnBezierPattern readable(const TnBezierPattern& pattern) { return pattern; }
TnProgrammedPattern readable(TnProgrammedPattern pattern) {
  TnProgrammedPattern::Description description = pattern.getPatternDescription();
  for (auto& pair : description) pair.first = readableCopy(pair.first);
  pattern.setPatternDescription(description);
  pattern.rename(readableCopy(pattern.getId()));
  return pattern;
}

// The dump's own view of a record: its own text, except that a record holding motifs shows each
// one as the motif's record prints it, so that a motif reads the same wherever it appears.
template <class Record>
void show(const Record& record, std::ostream& out) {
  printRecord(readable(record), out);
}
void show(const TnProgrammedPattern& pattern, std::ostream& out) {
  out << "TnProgrammedPattern [" << readableName(pattern.getId()) << "]" << std::endl;
  std::size_t position = 0;
  for (const auto& [thread, motif] : pattern.getPatternDescription()) {
    out << "  Direction Pattern[" << ++position << "]: Thread Identifier: " << readableName(thread)
        << std::endl;
    printRecord(motif, out);
  }
}
void show(const TnWavePattern& wave, std::ostream& out) {
  out << "TnWavePattern [" << readableName(wave.getId()) << "]" << std::endl;
  printRecord(wave.getPattern(), out);
}

std::string countText(std::size_t count, const std::string& what) {
  return std::to_string(count) + what + (count == 1 ? " record" : " records");
}

}  // namespace

int runDump(const FileOptions& file, bool recordText, std::ostream& out, std::ostream& err) {
  Source source;
  if (const int status = open("dump", file, source, err)) return status;
  return withRecordOf(source.family, [&](auto sample) {
    std::vector<decltype(sample)> records;
    std::vector<std::size_t> offsets;
    ReadFailure failure;
    const bool whole = readRecords(source.bytes, records, failure, SIZE_MAX, &offsets);
    const std::string family = familyName(source.family);
    if (whole && source.bytes.empty()) out << file.path << ": 0 records" << std::endl;
    if (whole && !source.bytes.empty()) {
      out << file.path << ": " << countText(records.size(), " " + family)
          << (source.guessed ? " (" + family + " is the only family that reads the whole file)"
                             : "")
          << std::endl;
    }
    for (std::size_t i = 0; i < records.size(); ++i) {
      const std::size_t end = i + 1 < offsets.size() ? offsets[i + 1]
                              : whole                ? source.bytes.size()
                                                     : failure.offset;
      out << "record " << i + 1 << " at byte " << offsets[i] << " (" << end - offsets[i]
          << " bytes)" << std::endl;
      if (recordText) {
        printRecord(readable(records[i]), out);
      } else {
        show(records[i], out);
      }
    }
    if (whole) return 0;
    reportBadRecord("dump", file, source, failure, err);
    return 1;
  });
}

int runRender(const FileOptions& file, const RenderOptions& options, std::ostream& out,
              std::ostream& err) {
  Source source;
  if (const int status = open("render", file, source, err)) return status;
  PreviewSheet sheet;
  sheet.setOneScale(options.oneScale);
  sheet.setTiling(options.tile);
  std::size_t total = 0;
  std::size_t matching = 0;
  const int status = withRecordOf(source.family, [&](auto sample) {
    std::vector<decltype(sample)> records;
    ReadFailure failure;
    if (!readRecords(source.bytes, records, failure)) {
      reportBadRecord("render", file, source, failure, err);
      return 1;
    }
    total = records.size();
    for (std::size_t i = 0; i < records.size(); ++i) {
      const std::string title = recordTitle(records[i], i + 1);
      if (!options.only.empty() && title != options.only) continue;
      if (++matching <= options.first) sheet.add(title, records[i]);
    }
    return 0;
  });
  if (status != 0) return status;
  const std::size_t drawn = std::min(matching, options.first);
  std::string what = std::to_string(drawn) + " of " + countText(total, "");
  if (!options.only.empty())
    what += ", " + std::to_string(total - matching) + " not named " + options.only;
  if (drawn < matching)
    what += ", " + std::to_string(matching - drawn) + " more left out (--first N draws more)";
  sheet.setCaption(file.path + ": " + what);
  if (!writeSheet(sheet, options.svgPath, "render", err)) return 1;
  out << "drew " << options.svgPath << ": " << what << std::endl;
  return 0;
}

}  // namespace loomset::tool
