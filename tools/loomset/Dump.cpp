#include "loomset/Dump.h"

#include "loomset/RecordIo.h"

namespace loomset::tool {

namespace {

template <class Record>
int dumpAs(const std::vector<unsigned char>& bytes, const std::string& path, std::ostream& out,
           std::ostream& err) {
  std::vector<Record> records;
  ReadFailure failure;
  const bool whole = readRecords(bytes, records, failure);
  for (const Record& record : records) printRecord(record, out);
  if (whole) return 0;
  err << "loomset dump: " << path << ": record " << failure.record << " at byte " << failure.offset
      << ": " << failure.reason << std::endl;
  return 1;
}

using Dumper = int (*)(const std::vector<unsigned char>&, const std::string&, std::ostream&,
                       std::ostream&);

struct Family {
  const char* name;
  Dumper dump;
};

const Family kFamilies[] = {
    {"fill", &dumpAs<TnFillPattern>},           {"programmed", &dumpAs<TnProgrammedPattern>},
    {"wave", &dumpAs<TnWavePattern>},           {"vector", &dumpAs<TnVectorPattern>},
    {"direction", &dumpAs<TnDirectionPattern>}, {"bezier", &dumpAs<TnBezierPattern>},
};

}  // namespace

const std::vector<std::string>& dumpFamilies() {
  static const std::vector<std::string> names = [] {
    std::vector<std::string> list;
    for (const Family& family : kFamilies) list.push_back(family.name);
    return list;
  }();
  return names;
}

int runDump(const std::string& family, const std::string& path, std::ostream& out,
            std::ostream& err) {
  for (const Family& candidate : kFamilies) {
    if (family != candidate.name) continue;
    std::vector<unsigned char> bytes;
    if (!readFile(path, bytes)) {
      err << "loomset dump: " << path << ": cannot be read" << std::endl;
      return 1;
    }
    return candidate.dump(bytes, path, out, err);
  }
  err << "loomset dump: unknown family " << family << std::endl;
  return 2;
}

}  // namespace loomset::tool
