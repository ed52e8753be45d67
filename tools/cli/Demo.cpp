#include "cli/Demo.h"

#include <filesystem>
#include <vector>

#include "cli/Files.h"
#include "cli/PreviewSheet.h"
#include "cli/ReadableName.h"
#include "loomset/catalogue/DefaultCatalogue.h"
#include "loomset/catalogue/GlobalManagers.h"
#include "loomset/foundation/TnFileStream.h"

// The host owns its designs; the library only keeps their addresses. Here the tool is the host.
class TnDesign {};

namespace loomset::tool {

namespace {

// A pattern whose content differs from `record`'s, under the same name.
TnFillPattern variantOf(const TnFillPattern& record) {
  TnFillPattern variant;
  const short length = record.getStitchLength() == 7.0 ? 8 : 7;
  variant.init(record.getId(), length);
  return variant;
}

TnProgrammedPattern variantOf(const TnProgrammedPattern& record) {
  TnProgrammedPattern variant = record;
  TnProgrammedPattern::Description description = record.getPatternDescription();
  description.emplace_back("Contrast", TnDirectionPattern());
  variant.setPatternDescription(description);
  return variant;
}

TnWavePattern variantOf(const TnWavePattern& record) {
  TnBezierPattern pattern = record.getPattern();
  pattern.setReferenceAndDirections(pattern.getReferenceLine() * 2.0, pattern.getBezierCurve());
  TnWavePattern variant = record;
  variant.setPattern(pattern);
  return variant;
}

TnVectorPattern variantOf(const TnVectorPattern& record) {
  TnVectorPattern variant = record;
  const TnVector<int>& dimension = record.getDimension();
  variant.setDimension(TnVector<int>(dimension.xval() + 1, dimension.yval()));
  return variant;
}

// Drops the design's table from the family's catalogue.
void removeDesign(GPatTable& manager, TnDesign* design) { manager.removeFillPatterns(design); }
void removeDesign(GProgrammedPatTable& manager, TnDesign* design) {
  manager.removeProgrammedPatterns(design);
}
void removeDesign(GWavePatTable& manager, TnDesign* design) { manager.removeWavePatterns(design); }
void removeDesign(GVecPatTable& manager, TnDesign* design) { manager.removeVectorPatterns(design); }

// The sample design lives only for the demo: on every way out of a shelf its table is dropped, so
// that no catalogue keeps an entry for it.
template <class Manager>
class DesignScope {
 public:
  DesignScope(Manager& manager, TnDesign* design) : manager(manager), design(design) {
    manager.setDesign(design);
  }
  ~DesignScope() {
    removeDesign(manager, design);
    manager.setDesign(nullptr);
  }
  DesignScope(const DesignScope&) = delete;
  DesignScope& operator=(const DesignScope&) = delete;

 private:
  Manager& manager;
  TnDesign* design;
};

struct Tally {
  std::size_t records = 0;
  std::size_t differences = 0;
  bool failed = false;
};

template <class Record>
std::vector<Record> toVector(const TnList<Record*>& list) {
  std::vector<Record> records;
  for (unsigned int i = 0; i < list.length(); ++i) records.push_back(*list[i]);
  return records;
}

// Runs the demo on one manager: the design brings a copy of its first library-wide pattern and a
// different pattern under the same name; then every record goes to a file and back.
template <class Record, class Manager>
void runShelf(const char* managerName, Manager& manager, TnDesign* design,
              const std::filesystem::path& directory, PreviewSheet& sheet, Tally& tally,
              std::ostream& out, std::ostream& err) {
  const DesignScope<Manager> scope(manager, design);
  const std::vector<Record> library = toVector(manager.getPatterns(nullptr));
  if (!library.empty()) {
    Record same = library.front();
    if (manager.addPatternAndRename(design, same) == 0 && manager.getPatterns(design).length() == 0)
      out << "recognised: " << readableName(same.getId()) << " (" << managerName
          << "): identical to the library-wide pattern, not stored" << std::endl;
    Record different = variantOf(library.front());
    const TnString before = different.getId();
    if (manager.addPatternAndRename(design, different) == 0) {
      out << "renamed: " << readableName(before) << " -> " << readableName(different.getId())
          << " (" << managerName << "), with its former name as an alias" << std::endl;
    }
  }

  // The design's alias entries are copies of its renamed records: each record is written once.
  std::vector<Record> records = library;
  for (const Record& record : toVector(manager.getPatterns(design))) {
    bool seen = false;
    for (const Record& kept : records)
      seen = seen || (kept.getId() == record.getId() && kept.isSamePattern(record) != 0);
    if (!seen) records.push_back(record);
  }
  out << managerName << ": " << library.size() << " library-wide, "
      << records.size() - library.size() << " from the sample design" << std::endl;

  const std::filesystem::path path = directory / (std::string(managerName) + ".stream");
  TnFileStream file(path.string().c_str(), TnFileStream::kWrite);
  int written = file.isOpen() != 0 ? 0 : 1;
  for (Record& record : records) written = written != 0 ? written : writeRecord(record, file);
  if (file.close() != 0 || written != 0) {
    err << "loomset demo: " << path.string() << ": cannot be written" << std::endl;
    tally.failed = true;
    return;
  }
  out << "wrote " << path.string() << ": " << records.size() << " records" << std::endl;

  std::vector<unsigned char> bytes;
  std::vector<Record> back;
  ReadFailure failure;
  if (!readFile(path.string(), bytes)) {
    err << "loomset demo: " << path.string() << ": cannot be read" << std::endl;
    tally.failed = true;
  } else if (!readRecords(bytes, back, failure)) {
    reportFailure(err, "demo", path.string(), failure);
    tally.failed = true;
  }
  tally.records += records.size();
  tally.differences +=
      back.size() > records.size() ? back.size() - records.size() : records.size() - back.size();
  for (std::size_t i = 0; i < records.size() && i < back.size(); ++i) {
    if (!(records[i].getId() == back[i].getId()) || records[i].isSamePattern(back[i]) == 0)
      ++tally.differences;
  }

  sheet.addSection(managerName);
  for (std::size_t i = 0; i < records.size(); ++i)
    sheet.add(recordTitle(records[i], i + 1), records[i]);
}

}  // namespace

int runDemo(const std::string& directory, std::ostream& out, std::ostream& err) {
  std::error_code error;
  const std::filesystem::path dir(directory);
  std::filesystem::create_directories(dir, error);
  if (error) {
    err << "loomset demo: " << directory << ": " << error.message() << std::endl;
    return 1;
  }
  if (loomset::loadDefaultCatalogue() != 0) {
    err << "loomset demo: the built-in catalogue did not load whole" << std::endl;
    return 1;
  }
  TnDesign sample;
  PreviewSheet sheet;
  sheet.setOneScale(true);
  Tally tally;
  runShelf<TnFillPattern>("gFillManager", gFillManager, &sample, dir, sheet, tally, out, err);
  runShelf<TnProgrammedPattern>("gProgrammedPatManager", gProgrammedPatManager, &sample, dir, sheet,
                                tally, out, err);
  runShelf<TnProgrammedPattern>("gLockstitchManager", gLockstitchManager, &sample, dir, sheet,
                                tally, out, err);
  runShelf<TnWavePattern>("gWavePatManager", gWavePatManager, &sample, dir, sheet, tally, out, err);
  sheet.setTiling(true);
  runShelf<TnVectorPattern>("gTileVecPatManager", gTileVecPatManager, &sample, dir, sheet, tally,
                            out, err);
  sheet.setTiling(false);
  runShelf<TnVectorPattern>("gNonTileVecPatManager", gNonTileVecPatManager, &sample, dir, sheet,
                            tally, out, err);
  runShelf<TnVectorPattern>("gCompositeVecPatManager", gCompositeVecPatManager, &sample, dir, sheet,
                            tally, out, err);

  const std::string svg = (dir / "catalogue.svg").string();
  sheet.setCaption("The built-in catalogue and a sample design, one scale in each section");
  if (writeSheet(sheet, svg, "demo", err)) {
    out << "drew " << svg << ": " << sheet.panelCount() << " panels" << std::endl;
  } else {
    tally.failed = true;
  }
  out << "round trip: " << tally.records << " records, " << tally.differences << " differences"
      << std::endl;
  return tally.failed || tally.differences != 0 ? 1 : 0;
}

}  // namespace loomset::tool
