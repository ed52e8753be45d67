#pragma once

#include <array>
#include <initializer_list>
#include <ostream>

#include "loomset/foundation/TnBezierCurve.h"

// Control points 0 to 3 of one segment, as x0, y0, x1, y1, x2, y2, x3, y3.
using SegmentPoints = std::array<double, 8>;

inline TnBezier segmentOf(const SegmentPoints& p) {
  return TnBezier({p[0], p[1]}, {p[2], p[3]}, {p[4], p[5]}, {p[6], p[7]});
}

// A curve of `segments`, in order, carrying `closed`.
inline TnBezierCurve curveOf(std::initializer_list<SegmentPoints> segments, int closed = 0) {
  TnBezierCurve curve;
  for (const SegmentPoints& points : segments) curve.getSegments().add(segmentOf(points));
  curve.setStrictIsClosed(closed);
  return curve;
}

// Lets failure messages show a curve as its control points and closed flag.
inline void PrintTo(const TnBezierCurve& curve, std::ostream* out) {
  *out << "{";
  for (int i = 0; i < static_cast<int>(curve.length()); ++i) {
    for (int k = 0; k < 4; ++k)
      *out << (k == 0 ? " [" : " ") << "(" << curve[i][k].xval() << ", " << curve[i][k].yval()
           << ")";
    *out << "]";
  }
  *out << " } closed " << curve.strictIsClosed();
}
