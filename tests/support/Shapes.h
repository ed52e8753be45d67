#pragma once

#include <array>
#include <initializer_list>
#include <ostream>
#include <tuple>

#include "loomset/catalogue/TnDesign.h"
#include "loomset/foundation/TnBezierCurve.h"
#include "loomset/foundation/TnVector.h"
#include "loomset/geometry/TnDirectionPattern.h"
#include "loomset/patterns/TnFillPattern.h"

using Directions = TnDirectionPattern::Directions;

// Lets failure messages show vectors and points as (x, y).
inline void PrintTo(const TnVector<double>& v, std::ostream* out) {
  *out << "(" << v.xval() << ", " << v.yval() << ")";
}
inline void PrintTo(const TnCoord<double>& p, std::ostream* out) {
  *out << "(" << p.xval() << ", " << p.yval() << ")";
}

// A motif from (x, y, flag) triples.
inline Directions motif(std::initializer_list<std::tuple<double, double, int>> entries) {
  Directions list;
  for (const auto& [x, y, flag] : entries) list.emplace_back(TnVector<double>(x, y), flag);
  return list;
}

// `entries` installed along `reference`.
inline TnDirectionPattern patternOf(const TnVector<double>& reference, const Directions& entries) {
  TnDirectionPattern pattern;
  pattern.setReferenceAndDirections(reference, entries);
  return pattern;
}

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

// A random fill pattern; patterns of different stitch lengths differ in content.
inline TnFillPattern fillPattern(const TnString& name, short stitchLength) {
  TnFillPattern pattern;
  pattern.init(name, stitchLength);
  return pattern;
}

// Designs are the host's objects; the managers only keep their addresses.
inline TnDesign* design(int index) {
  static int objects[3];
  return reinterpret_cast<TnDesign*>(&objects[index]);
}
