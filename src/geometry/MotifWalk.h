#pragma once

#include "loomset/foundation/TnCoord.h"
#include "loomset/foundation/TnVector.h"
#include "loomset/foundation/Tolerance.h"
#include "loomset/geometry/TnDirectionPattern.h"

namespace loomset::detail {

// Walks over a motif's entries and writes of placed entries.

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
