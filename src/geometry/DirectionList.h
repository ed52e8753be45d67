#pragma once

#include <cassert>
#include <cstddef>

#include "foundation/RecordBuffer.h"
#include "foundation/ShortValues.h"
#include "loomset/foundation/StreamPrimitives.h"
#include "loomset/foundation/TnCoord.h"
#include "loomset/foundation/TnVector.h"
#include "loomset/foundation/Tolerance.h"
#include "loomset/geometry/TnDirectionPattern.h"

namespace loomset::detail {

using Directions = TnDirectionPattern::Directions;

// Stores (vector, flag) in the node at `at`, or appends it when `at` is the end of `out`, and
// returns the position after it. Refilling a list front to back this way reuses its nodes before
// it allocates any; the caller erases what is left from the returned position on.
inline Directions::iterator putDirection(Directions& out, Directions::iterator at,
                                         const TnVector<double>& vector, int flag) {
  if (at == out.end()) {
    out.emplace_back(vector, flag);
    return out.end();
  }
  at->first = vector;
  at->second = flag;
  return ++at;
}

// The newest motif format: version 1 stored doubles, version 2 floats, version 3 adds the jump
// flags.
constexpr short kMotifFormatVersion = 3;

// Puts a motif on `out`, a stream or a RecordBuffer, in the newest format: version, reference
// line, entry count, then each vector and its jump flag, the flag held to 16 bits. Returns 1 at
// the first value refused, and refuses a motif of more than 32767 entries before any value.
template <class Out>
int writeMotif(Out& out, const TnVector<double>& referenceLine, const Directions& directions) {
  // A longer motif has no count that would read back as itself.
  if (directions.size() > kMaxShortCount) return 1;
  if (writeShort(out, kMotifFormatVersion) != 0 || writeFVector(out, referenceLine) != 0 ||
      writeShort(out, static_cast<short>(directions.size())) != 0) {
    return 1;
  }
  for (const auto& entry : directions) {
    if (writeFVector(out, entry.first) != 0 || writeShort(out, saturatedShort(entry.second)) != 0)
      return 1;
  }
  return 0;
}

// As above into a RecordBuffer, with room for the whole motif made first, so that the values go
// straight in.
inline int writeMotif(RecordBuffer& out, const TnVector<double>& referenceLine,
                      const Directions& directions) {
  if (directions.size() > kMaxShortCount) return 1;
  // Version, reference line and count, then a vector and a flag for each entry.
  const std::size_t size = 2 + 8 + 2 + 10 * directions.size();
  return putValues(out, size, [&](ByteCursor& at) {
    unsigned char* const start = at.next;
    const int result = writeMotif(at, referenceLine, directions);
    assert(result != 0 || at.next == start + size);
    static_cast<void>(start);
    return result;
  });
}

// Reading motifs over old ones, reusing their memory, for records that hold many motifs.
class ReusedMotif {
 public:
  // Makes `motif` the default motif, moving the nodes of its lists but one to `spare`.
  static void reset(TnDirectionPattern& motif, Directions& spare) { motif.resetInto(spare); }
  // motif.read(stream), with the nodes of `spare` used for its entries before any is allocated.
  static int read(TnDirectionPattern& motif, TnStream& stream, Directions& spare) {
    return motif.read(stream, spare);
  }
};

// The jump flag of the first or the last entry; 0 for an empty motif.
inline int firstFlag(const Directions& motif) { return motif.empty() ? 0 : motif.front().second; }
inline int lastFlag(const Directions& motif) { return motif.empty() ? 0 : motif.back().second; }

// The needle point reached after the whole motif, from the origin.
inline TnCoord<double> endPoint(const Directions& motif) {
  TnCoord<double> point(0.0, 0.0);
  for (const auto& entry : motif) point += entry.first;
  return point;
}

// The corners of the box over the needle points after the start, and the end point.
struct MotifExtent {
  TnCoord<double> lo;
  TnCoord<double> hi;
  TnCoord<double> end;
};

// Walks the motif from the origin, widening the box that starts as [lo, hi] by every needle
// point after the start.
inline MotifExtent scanMotif(const Directions& motif, const TnCoord<double>& lo,
                             const TnCoord<double>& hi) {
  MotifExtent extent{lo, hi, TnCoord<double>(0.0, 0.0)};
  for (const auto& entry : motif) {
    extent.end += entry.first;
    const double x = extent.end.xval();
    const double y = extent.end.yval();
    extent.lo = TnCoord<double>(min(extent.lo.xval(), x), min(extent.lo.yval(), y));
    extent.hi = TnCoord<double>(max(extent.hi.xval(), x), max(extent.hi.yval(), y));
  }
  return extent;
}

}  // namespace loomset::detail
