#include "loomset/foundation/TnBezier.h"

template class TnList<TnBezier>;

TnBezier::TnBezier(const TnCoord<double>& p0, const TnCoord<double>& p1, const TnCoord<double>& p2,
                   const TnCoord<double>& p3)
    : points{p0, p1, p2, p3} {}

TnBezier::TnBezier(const TnCoord<double>* points)
    : TnBezier(points[0], points[1], points[2], points[3]) {}

int TnBezier::operator==(const TnBezier& other) const {
  for (int i = 0; i < 4; ++i) {
    if (points[i] != other.points[i]) return 0;
  }
  return 1;
}

int TnBezier::operator<(const TnBezier& other) const {
  for (int i = 0; i < 4; ++i) {
    const TnCoord<double>& mine = points[i];
    const TnCoord<double>& theirs = other.points[i];
    if (mine.xval() != theirs.xval()) return mine.xval() < theirs.xval() ? 1 : 0;
    if (mine.yval() != theirs.yval()) return mine.yval() < theirs.yval() ? 1 : 0;
  }
  return 0;
}
