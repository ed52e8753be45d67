#pragma once

#include "loomset/Export.h"
#include "loomset/foundation/TnCoord.h"
#include "loomset/foundation/TnList.h"

// One cubic Bezier segment: four control points, 0 the start, 3 the end, 1 and 2 the handles.
class LOOMSET_API TnBezier {
 public:
  // All four points at the origin.
  TnBezier() = default;
  TnBezier(const TnCoord<double>& p0, const TnCoord<double>& p1, const TnCoord<double>& p2,
           const TnCoord<double>& p3);
  // REQUIRES: `points` holds four control points, in order.
  explicit TnBezier(const TnCoord<double>* points);

  // Control point `i`; positions are taken modulo 4, as list positions are taken modulo the
  // length, so that no index reaches outside the segment.
  const TnCoord<double>& operator[](int i) const { return points[i & 3]; }
  TnCoord<double>& operator[](int i) { return points[i & 3]; }
  TnCoord<double>& operator()(int i) { return points[i & 3]; }

  // 1 when all four control points are equal, else 0.
  int operator==(const TnBezier& other) const;
  int operator!=(const TnBezier& other) const { return *this == other ? 0 : 1; }
  // Lexicographic over the control points, each by x then y; consistent with ==.
  int operator<(const TnBezier& other) const;

 private:
  TnCoord<double> points[4];
};

// Every user of a segment list sees that the library provides it.
LOOMSET_EXTERN_TEMPLATE(TnList<TnBezier>);
