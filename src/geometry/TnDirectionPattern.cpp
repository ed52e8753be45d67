#include "loomset/geometry/TnDirectionPattern.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <iterator>

#include "foundation/ShortValues.h"
#include "foundation/TypedValues.h"
#include "geometry/MotifWalk.h"
#include "loomset/foundation/Lines.h"
#include "loomset/foundation/ResultCodes.h"
#include "loomset/foundation/StreamPrimitives.h"
#include "loomset/foundation/Tolerance.h"

template class std::list<std::pair<TnVector<double>, int>>;
template class std::list<TnDirectionPattern>;

using loomset::detail::putDirection;

namespace {

using namespace loomset::detail;

// The newest motif format: version 1 stored doubles, version 2 floats, version 3 adds the jump
// flags.
constexpr short kFormatVersion = 3;

// The last vector of a repeat and the first of the next still make one straight run when they
// lie within half a unit and 5 degrees (pi taken as 3.141592654) of one line.
constexpr double kRunDistance = 0.5;
constexpr double kRunAngle = 0.08726646261111111;

bool isFinite(const TnVector<double>& v) {
  return std::isfinite(v.xval()) && std::isfinite(v.yval());
}

}  // namespace

TnDirectionPattern::TnDirectionPattern()
    : skipEndPoint(0),
      mirrored(0),
      flipped(0),
      referenceLine(1.0, 0.0),
      directions{{TnVector<double>(1.0, 0.0), 0}},
      cachedSpan(0.0, 0.0) {
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
  // A longer motif has no count that would read back as itself.
  if (directions.size() > kMaxShortCount) return kFailed;
  if (putShort(stream, kFormatVersion) != 0 || putFPair(stream, referenceLine) != 0 ||
      putShort(stream, static_cast<short>(directions.size())) != 0) {
    return kFailed;
  }
  for (const auto& entry : directions) {
    if (putFPair(stream, entry.first) != 0 || putShort(stream, saturatedShort(entry.second)) != 0)
      return kFailed;
  }
  return kDone;
}

int TnDirectionPattern::read(TnStream& stream) {
  bool reachedEntries = false;
  return readMotif(stream, reachedEntries);
}

int TnDirectionPattern::readAsNew(TnStream& stream) {
  // The default pattern's fields, but the entries, whose nodes stay to be read over.
  skipEndPoint = 0;
  mirrored = 0;
  flipped = 0;
  referenceLine = TnVector<double>(1.0, 0.0);
  lowerLeft = TnVector<double>(0.0, 0.0);
  upperRight = TnVector<double>(1.0, 0.0);
  cachedSpan = TnVector<double>(0.0, 0.0);
  cachedForward.clear();
  cachedBackward.clear();
  bool reachedEntries = false;
  const int result = readMotif(stream, reachedEntries);
  if (!reachedEntries) {
    // A read that ends before the entries leaves the default one.
    if (directions.empty()) directions.emplace_back();
    directions.erase(std::next(directions.begin()), directions.end());
    directions.front() = Directions::value_type(TnVector<double>(1.0, 0.0), 0);
  }
  return result;
}

int TnDirectionPattern::readMotif(TnStream& stream, bool& reachedEntries) {
  short version = 0;
  if (takeShort(stream, version) != 0) return kFailed;
  if (version < 1 || version > kFormatVersion) return kUnknownVersion;
  // Version 1 stored doubles, the later ones floats; only version 3 stores the jump flags.
  const bool single = version != 1;
  if (takePair(stream, referenceLine, single) != 0) return kFailed;
  short count = 0;
  if (takeShort(stream, count) != 0) return kFailed;
  reachedEntries = true;
  // The entries are read over the old ones, whose nodes are reused before any is allocated.
  TnCoord<double> end(0.0, 0.0);
  auto at = directions.begin();
  int failed = 0;
  for (int i = 0; i < count; ++i) {
    TnVector<double> vector;
    short flag = 0;
    if (takePair(stream, vector, single) != 0 || (version == 3 && takeShort(stream, flag) != 0)) {
      failed = 1;
      break;
    }
    end += vector;
    at = putDirection(directions, at, vector, flag);
  }
  directions.erase(at, directions.end());
  if (failed != 0 || settleMotif(end) != 0) return kFailed;
  setupBBoxData(0);
  return kDone;
}

int TnDirectionPattern::settleMotif(const TnCoord<double>& end) {
  const TnCoord<double> origin(0.0, 0.0);
  const TnVector<double> toEnd = end - origin;
  if (!isFinite(toEnd)) return kFailed;

  // Normal position: the end point on the positive x-axis, unless it is on the x-axis already.
  const bool turn = IS_ZERO(end.yval(), 1e-9) == 0;
  double distance = 0.0;
  Tn2DTrans trans;
  if (turn) {
    distance = end.distance(origin);
    if (!std::isfinite(distance)) return kFailed;
    trans.rotate(TnVector<double>(distance, 0.0), toEnd);
    for (const auto& entry : directions) {
      if (!isFinite(trans * entry.first)) return kFailed;
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
  return kDone;
}
