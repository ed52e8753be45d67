#pragma once

#include <ostream>

#include "loomset/Export.h"
#include "loomset/foundation/TnStream.h"
#include "loomset/foundation/TnString.h"
#include "loomset/geometry/TnBezierPattern.h"
#include "loomset/geometry/TnDirectionPattern.h"
#include "loomset/patterns/TnFillPattern.h"
#include "loomset/patterns/TnProgrammedPattern.h"
#include "loomset/patterns/TnVectorPattern.h"
#include "loomset/patterns/TnWavePattern.h"

namespace loomset {

// The six kinds of record that a stream file holds back to back.
enum class Family { kFill, kProgrammed, kWave, kVector, kDirection, kBezier };

// Every family, in this order. (Not an inline variable: the library would then hold it as a
// unique symbol, which keeps a loaded library from unloading.)
constexpr Family kFamilies[] = {Family::kFill,   Family::kProgrammed, Family::kWave,
                                Family::kVector, Family::kDirection,  Family::kBezier};

// "fill", "programmed", "wave", "vector", "direction" or "bezier".
LOOMSET_API const char* familyName(Family family);
// The family named `name`; false, leaving `family` alone, for any other name.
LOOMSET_API bool familyNamed(const char* name, Family& family);

// One face for the six records, for code that treats them alike: the pattern records take a
// stream by pointer and the motifs by reference; only the pattern records have names and texts of
// their own. The results are those of the records' own read and write.
inline int readRecord(TnFillPattern& r, TnStream& s) { return r.read(&s); }
inline int readRecord(TnProgrammedPattern& r, TnStream& s) { return r.read(&s); }
inline int readRecord(TnWavePattern& r, TnStream& s) { return r.read(&s); }
inline int readRecord(TnVectorPattern& r, TnStream& s) { return r.read(&s); }
inline int readRecord(TnDirectionPattern& r, TnStream& s) { return r.read(s); }
inline int readRecord(TnBezierPattern& r, TnStream& s) { return r.read(s); }

inline int writeRecord(TnFillPattern& r, TnStream& s) { return r.write(&s); }
inline int writeRecord(TnProgrammedPattern& r, TnStream& s) { return r.write(&s); }
inline int writeRecord(TnWavePattern& r, TnStream& s) { return r.write(&s); }
inline int writeRecord(TnVectorPattern& r, TnStream& s) { return r.write(&s); }
inline int writeRecord(TnDirectionPattern& r, TnStream& s) { return r.write(s); }
inline int writeRecord(TnBezierPattern& r, TnStream& s) { return r.write(s); }

// The record's name; empty for a motif, which has none.
template <class Record>
TnString recordName(const Record& record) {
  return record.getId();
}
inline TnString recordName(const TnDirectionPattern&) { return TnString(); }
inline TnString recordName(const TnBezierPattern&) { return TnString(); }

// The record's diagnostic text: its own printTo for a pattern record.
template <class Record>
void printRecord(const Record& record, std::ostream& out) {
  record.printTo(out);
}
// A motif in its own frame: "TnDirectionPattern", "The Reference Direction : (x, y) ", then a
// line "\t\t(x, y) stitch" or "\t\t(x, y) jump" per entry, then an empty line.
LOOMSET_API void printRecord(const TnDirectionPattern& motif, std::ostream& out);
// "TnBezierPattern", the reference line as for a motif, "Closed: " and the closed flag, a line
// "Segment[i]: (x, y) (x, y) (x, y) (x, y)" per segment counted from 0, then an empty line.
LOOMSET_API void printRecord(const TnBezierPattern& pattern, std::ostream& out);

// Calls `visit` with a default record of the family's type and returns what it returns, so that
// one template serves every family.
template <class Visit>
decltype(auto) withRecordOf(Family family, Visit visit) {
  switch (family) {
    case Family::kFill:
      return visit(TnFillPattern());
    case Family::kProgrammed:
      return visit(TnProgrammedPattern());
    case Family::kWave:
      return visit(TnWavePattern());
    case Family::kVector:
      return visit(TnVectorPattern());
    case Family::kDirection:
      return visit(TnDirectionPattern());
    case Family::kBezier:
    default:
      return visit(TnBezierPattern());
  }
}

}  // namespace loomset
