#include "loomset/foundation/TnBezierCurve.h"

#include <algorithm>

template class TnList<TnBezierCurve>;

int TnBezierCurve::operator==(const TnBezierCurve& other) const {
  return segments == other.segments ? 1 : 0;
}

int TnBezierCurve::operator<(const TnBezierCurve& other) const {
  const unsigned int common = (std::min)(segments.length(), other.segments.length());
  // Walking by increasing index costs one cursor step per segment.
  for (unsigned int i = 0; i < common; ++i) {
    const TnBezier& mine = segments[i];
    const TnBezier& theirs = other.segments[i];
    if (mine < theirs) return 1;
    if (theirs < mine) return 0;
  }
  return segments.length() < other.segments.length() ? 1 : 0;
}
