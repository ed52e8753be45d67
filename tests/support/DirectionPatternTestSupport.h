#pragma once

#include <cstdint>
#include <cstring>
#include <initializer_list>
#include <ostream>
#include <string>
#include <tuple>
#include <vector>

#include "loomset/foundation/TnVector.h"
#include "loomset/geometry/TnDirectionPattern.h"
#include "support/StreamBytes.h"

using Directions = TnDirectionPattern::Directions;

// Lets failure messages show vectors as (x, y).
inline void PrintTo(const TnVector<double>& v, std::ostream* out) {
  *out << "(" << v.xval() << ", " << v.yval() << ")";
}

// Builds a motif from (x, y, flag) triples.
inline Directions motif(std::initializer_list<std::tuple<double, double, int>> entries) {
  Directions list;
  for (const auto& [x, y, flag] : entries) list.emplace_back(TnVector<double>(x, y), flag);
  return list;
}

// Opens the protected members to the tests.
class DirectionPatternProbe : public TnDirectionPattern {
 public:
  using TnDirectionPattern::cachedForward;
  using TnDirectionPattern::directions;
  using TnDirectionPattern::getBackwardDirections;
  using TnDirectionPattern::getForwardDirections;
  using TnDirectionPattern::lowerLeft;
  using TnDirectionPattern::referenceLine;
  using TnDirectionPattern::skipEndPoint;
  using TnDirectionPattern::upperRight;
};

// `entries` installed along `reference`.
inline DirectionPatternProbe patternOf(const TnVector<double>& reference,
                                       const Directions& entries) {
  DirectionPatternProbe pattern;
  pattern.setReferenceAndDirections(reference, entries);
  return pattern;
}
