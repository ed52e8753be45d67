#include "loomset/geometry/TnDirectionPattern.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

#include "foundation/ShortValues.h"
#include "geometry/DirectionList.h"
#include "loomset/foundation/Lines.h"
#include "loomset/foundation/StreamPrimitives.h"
#include "loomset/foundation/Tolerance.h"

template class std::list<std::pair<TnVector<double>, int>>;
template class std::list<TnDirectionPattern>;

using loomset::detail::putDirection;

namespace {

// The last vector of a repeat and the first of the next still make one straight run when they
// lie within half a unit and 5 degrees (pi taken as 3.141592654) of one line.
constexpr double kRunDistance = 0.5;
constexpr double kRunAngle = 0.08726646261111111;

bool isFinite(const TnVector<double>& v) {
  return std::isfinite(v.xval()) && std::isfinite(v.yval());
}

}  // namespace

TnDirectionPattern::TnDirectionPattern() : directions(1) { setDefaults(); }

void TnDirectionPattern::setDefaults() {
  skipEndPoint = 0;
  mirrored = 0;
  flipped = 0;
  referenceLine = TnVector<double>(1.0, 0.0);
  directions.front() = Directions::value_type(TnVector<double>(1.0, 0.0), 0);
  cachedSpan = TnVector<double>(0.0, 0.0);
  cachedForward.clear();
  cachedBackward.clear();
  setupBBoxData(0);
}

TnDirectionPattern::TnDirectionPattern(const TnDirectionPattern& other)
    : skipEndPoint(other.skipEndPoint),
      mirrored(other.mirrored),
      flipped(other.flipped),
      referenceLine(other.referenceLine),
      directions(other.directions),
      lowerLeft(other.lowerLeft),
      upperRight(other.upperRight),
      cachedSpan(0.0, 0.0) {}

TnDirectionPattern& TnDirectionPattern::operator=(const TnDirectionPattern& other) = default;

TnDirectionPattern::~TnDirectionPattern() = default;

int TnDirectionPattern::isContainJump() const {
  return std::any_of(directions.begin(), directions.end(),
                     [](const Directions::value_type& entry) { return entry.second != 0; })
             ? 1
             : 0;
}

int TnDirectionPattern::operator==(const TnDirectionPattern& other) const {
  return directions == other.directions ? 1 : 0;
}

int TnDirectionPattern::operator!=(const TnDirectionPattern& other) const {
  return *this == other ? 0 : 1;
}

int TnDirectionPattern::operator<(const TnDirectionPattern& other) const {
  return directions < other.directions ? 1 : 0;
}

int TnDirectionPattern::operator>(const TnDirectionPattern& other) const { return other < *this; }

int TnDirectionPattern::write(TnStream& stream) const {
  return loomset::detail::writeWhole(stream, [this](auto& out) {
    return loomset::detail::writeMotif(out, referenceLine, directions);
  });
}

int TnDirectionPattern::read(TnStream& stream) {
  Directions spare;
  return read(stream, spare);
}

void TnDirectionPattern::resetInto(Directions& spare) {
  // One node stays for the default entry: the motif's first, else a spare one, else a new one,
  // allocated before anything has moved.
  Directions kept;
  if (!directions.empty()) {
    kept.splice(kept.end(), directions, directions.begin());
  } else if (!spare.empty()) {
    kept.splice(kept.end(), spare, spare.begin());
  } else {
    kept.emplace_back();
  }
  // Whole lists move in constant time.
  spare.splice(spare.end(), directions);
  spare.splice(spare.end(), cachedForward);
  spare.splice(spare.end(), cachedBackward);
  directions.swap(kept);
  setDefaults();
}

int TnDirectionPattern::read(TnStream& stream, Directions& spare) {
  short version = 0;
  if (readShort(stream, &version) != 0) return 1;
  if (version < 1 || version > loomset::detail::kMotifFormatVersion) return 2;
  // Version 1 stored doubles, the later ones floats; only version 3 stores the jump flags.
  const auto readVector = version == 1 ? readDVector : readFVector;
  if (readVector(stream, &referenceLine) != 0) return 1;
  short count = 0;
  if (readShort(stream, &count) != 0) return 1;

  // The spare nodes go after the motif's own, to be written over before any is allocated.
  directions.splice(directions.end(), spare);
  TnCoord<double> end(0.0, 0.0);
  auto at = directions.begin();
  int failed = 0;
  for (int i = 0; i < count; ++i) {
    TnVector<double> vector;
    short flag = 0;
    if (readVector(stream, &vector) != 0 || (version == 3 && readShort(stream, &flag) != 0)) {
      failed = 1;
      break;
    }
    end += vector;
    at = putDirection(directions, at, vector, flag);
  }
  directions.erase(at, directions.end());
  if (failed != 0 || settleMotif(end) != 0) return 1;
  setupBBoxData(0);
  return 0;
}

int TnDirectionPattern::settleMotif(const TnCoord<double>& end) {
  const TnCoord<double> origin(0.0, 0.0);
  const TnVector<double> toEnd = end - origin;
  if (!isFinite(toEnd)) return 1;

  // Normal position: the end point on the positive x-axis, unless it is on the x-axis already.
  const bool turn = IS_ZERO(end.yval(), 1e-9) == 0;
  double distance = 0.0;
  Tn2DTrans trans;
  if (turn) {
    distance = end.distance(origin);
    if (!std::isfinite(distance)) return 1;
    trans.rotate(TnVector<double>(distance, 0.0), toEnd);
    for (const auto& entry : directions) {
      if (!isFinite(trans * entry.first)) return 1;
    }
  }

  if (directions.size() >= 3) {
    const TnCoord<double> lastStart = end - directions.back().first;
    const TnCoord<double> nextFirstEnd = end + directions.front().first;
    skipEndPoint = collinear(end, lastStart, nextFirstEnd, end, kRunDistance, kRunAngle) != 0 &&
                           (end - lastStart).isSameSense(nextFirstEnd - end) != 0
                       ? 1
                       : 0;
  }

  if (turn) {
    referenceLine = TnVector<double>(distance, 0.0);
    for (auto& entry : directions) entry.first = trans * entry.first;
  }
  return 0;
}
