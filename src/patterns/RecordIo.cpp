#include "loomset/patterns/RecordIo.h"

#include <cstring>

#include "loomset/patterns/RecordFile.h"

namespace loomset {

namespace {

constexpr const char* kFamilyNames[] = {"fill",   "programmed", "wave",
                                        "vector", "direction",  "bezier"};

void printReference(const TnVector<double>& reference, std::ostream& out) {
  out << "The Reference Direction : (" << reference.xval() << ", " << reference.yval() << ") "
      << std::endl;
}

}  // namespace

const char* familyName(Family family) { return kFamilyNames[static_cast<int>(family)]; }

bool familyNamed(const char* name, Family& family) {
  for (Family candidate : kFamilies) {
    if (name != nullptr && std::strcmp(name, familyName(candidate)) == 0) {
      family = candidate;
      return true;
    }
  }
  return false;
}

void printRecord(const TnDirectionPattern& motif, std::ostream& out) {
  out << "TnDirectionPattern" << std::endl;
  printReference(motif.getReferenceLine(), out);
  for (const auto& entry : motif.getForwardDirections()) {
    out << "\t\t(" << entry.first.xval() << ", " << entry.first.yval() << ") "
        << (entry.second != 0 ? "jump" : "stitch") << std::endl;
  }
  out << std::endl;
}

void printRecord(const TnBezierPattern& pattern, std::ostream& out) {
  const TnBezierCurve& curve = pattern.getBezierCurve();
  out << "TnBezierPattern" << std::endl;
  printReference(pattern.getReferenceLine(), out);
  out << "Closed: " << curve.strictIsClosed() << std::endl;
  const TnList<TnBezier>& segments = curve.getSegments();
  for (unsigned int i = 0; i < segments.length(); ++i) {
    const TnBezier& segment = segments[i];
    out << "Segment[" << i << "]:";
    for (int k = 0; k < 4; ++k)
      out << " (" << segment[k].xval() << ", " << segment[k].yval() << ")";
    out << std::endl;
  }
  out << std::endl;
}

std::vector<Family> familiesReadingWhole(const std::vector<unsigned char>& bytes) {
  std::vector<Family> families;
  for (Family family : kFamilies) {
    const bool whole = withRecordOf(family, [&bytes](auto record) {
      std::vector<decltype(record)> records;
      ReadFailure failure;
      return readRecords(bytes, records, failure);
    });
    if (whole) families.push_back(family);
  }
  return families;
}

}  // namespace loomset
