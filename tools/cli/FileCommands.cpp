#include "cli/FileCommands.h"

#include <fstream>

#include "cli/FileReading.h"
#include "cli/PreviewSheet.h"
#include "cli/SheetRecords.h"

namespace loomset::tool {

namespace {

// The records of `bytes` read whole, in order; false, with the failure told on `err`, when one
// does not read whole.
template <class Record>
bool recordsOf(const char* command, const std::vector<unsigned char>& bytes,
               const std::string& path, std::vector<Record>& records, std::ostream& err) {
  ReadFailure failure;
  if (readRecords(bytes, records, failure)) return true;
  reportFailure(err, command, path, failure);
  return false;
}

template <class Record>
int dumpAs(const std::vector<unsigned char>& bytes, const std::string& path, std::ostream& out,
           std::ostream& err) {
  std::vector<Record> records;
  const bool whole = recordsOf("dump", bytes, path, records, err);
  for (const Record& record : records) printRecord(record, out);
  return whole ? 0 : 1;
}

template <class Record>
int renderAs(const std::vector<unsigned char>& bytes, const std::string& path, PreviewSheet& sheet,
             std::ostream& err) {
  std::vector<Record> records;
  if (!recordsOf("render", bytes, path, records, err)) return 1;
  for (std::size_t i = 0; i < records.size(); ++i) addToSheet(sheet, records[i], i + 1);
  return 0;
}

struct Family {
  const char* name;
  int (*dump)(const std::vector<unsigned char>&, const std::string&, std::ostream&, std::ostream&);
  int (*render)(const std::vector<unsigned char>&, const std::string&, PreviewSheet&,
                std::ostream&);
};

template <class Record>
constexpr Family family(const char* name) {
  return {name, &dumpAs<Record>, &renderAs<Record>};
}

const Family kFamilies[] = {
    family<TnFillPattern>("fill"),           family<TnProgrammedPattern>("programmed"),
    family<TnWavePattern>("wave"),           family<TnVectorPattern>("vector"),
    family<TnDirectionPattern>("direction"), family<TnBezierPattern>("bezier"),
};

// The family named `name` and the file's bytes; null, with the reason told on `err`, when there
// is no such family or the file cannot be read.
const Family* open(const char* command, const std::string& name, const std::string& path,
                   std::vector<unsigned char>& bytes, std::ostream& err) {
  for (const Family& candidate : kFamilies) {
    if (name != candidate.name) continue;
    if (readFile(path, bytes)) return &candidate;
    err << "loomset " << command << ": " << path << ": cannot be read" << std::endl;
    return nullptr;
  }
  err << "loomset " << command << ": unknown family " << name << std::endl;
  return nullptr;
}

}  // namespace

const std::vector<std::string>& recordFamilies() {
  static const std::vector<std::string> names = [] {
    std::vector<std::string> list;
    for (const Family& family : kFamilies) list.push_back(family.name);
    return list;
  }();
  return names;
}

int runDump(const std::string& family, const std::string& path, std::ostream& out,
            std::ostream& err) {
  std::vector<unsigned char> bytes;
  const Family* found = open("dump", family, path, bytes, err);
  return found != nullptr ? found->dump(bytes, path, out, err) : 1;
}

int runRender(const std::string& family, const std::string& path, const std::string& svgPath,
              std::ostream& out, std::ostream& err) {
  std::vector<unsigned char> bytes;
  const Family* found = open("render", family, path, bytes, err);
  PreviewSheet sheet;
  if (found == nullptr || found->render(bytes, path, sheet, err) != 0) return 1;
  std::ofstream picture(svgPath);
  sheet.write(picture);
  picture.close();
  if (!picture) {
    err << "loomset render: " << svgPath << ": cannot be written" << std::endl;
    return 1;
  }
  out << "drew " << svgPath << ": " << sheet.panelCount() << " panels" << std::endl;
  return 0;
}

}  // namespace loomset::tool
