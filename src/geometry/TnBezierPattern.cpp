#include "loomset/geometry/TnBezierPattern.h"

#include "foundation/SegmentStream.h"
#include "foundation/ShortValues.h"
#include "geometry/PlacementTransform.h"
#include "loomset/foundation/ResultCodes.h"
#include "loomset/foundation/StreamPrimitives.h"
#include "loomset/foundation/Tolerance.h"

using loomset::detail::kDone;
using loomset::detail::kFailed;
using loomset::detail::kUnknownVersion;

template class std::list<TnVector<double>>;
template class std::list<TnBezierPattern>;

namespace {

constexpr short kVersion = 1;

}  // namespace

TnBezierPattern::TnBezierPattern() : mirrored(0), flipped(0) {}

TnBezierPattern::TnBezierPattern(const TnBezierPattern& other) = default;

TnBezierPattern& TnBezierPattern::operator=(const TnBezierPattern& other) = default;

TnBezierPattern::~TnBezierPattern() = default;

void TnBezierPattern::setReferenceAndDirections(const TnVector<double>& reference,
                                                const TnBezierCurve& newCurve) {
  referenceLine = reference;
  curve = newCurve;
  if (curve.length() == 0) return;
  const TnCoord<double> last = lastPoint();
  const TnCoord<double> end = firstPoint() + reference;
  // One repeat must end where the next begins; a straight closing segment, with its handles on
  // its ends, bridges any gap.
  if (isEqual(last, end, 1e-7) == 0) curve.getSegments().add(TnBezier(last, last, end, end));
}

void TnBezierPattern::setReferenceAndDirections(const TnBezierCurve& newCurve) {
  curve = newCurve;
  referenceLine = curve.length() == 0 ? TnVector<double>(1.0, 0.0) : lastPoint() - firstPoint();
}

void TnBezierPattern::getDirections(const TnCoord<double>& start, const TnCoord<double>& end,
                                    int reverse, double value,
                                    std::list<TnVector<double>>& out) const {
  const TnVector<double> span = end - start;
  if (curve.length() == 0 || IS_ZERO(span.length(), 1e-9) != 0) {
    out.push_back(span);
    return;
  }
  const Tn2DTrans trans = loomset::detail::placementTransform(
      span, loomset::detail::advanceLine(referenceLine, reverse), flipped, mirrored);
  if (loomset::detail::runsBackward(reverse, mirrored))
    getBackwardDirections(trans, value, out);
  else
    getForwardDirections(trans, value, out);
}

// Only the ends of the transformed curve decide its advance, so only they are transformed.
void TnBezierPattern::getForwardDirections(const Tn2DTrans& trans, double /*value*/,
                                           std::list<TnVector<double>>& out) const {
  out.push_back((trans * lastPoint()) - (trans * firstPoint()));
}

void TnBezierPattern::getBackwardDirections(const Tn2DTrans& trans, double /*value*/,
                                            std::list<TnVector<double>>& out) const {
  out.push_back((trans * firstPoint()) - (trans * lastPoint()));
}

int TnBezierPattern::write(TnStream& stream) const {
  const unsigned long count = curve.length();
  if (count > loomset::detail::kMaxShortCount) return kFailed;
  if (writeShort(stream, kVersion) != 0 || writeFVector(stream, referenceLine) != 0 ||
      writeShort(stream, static_cast<short>(count)) != 0) {
    return kFailed;
  }
  if (loomset::detail::writeSegments(stream, curve.getSegments()) != 0) return kFailed;
  // A flag beyond 16 bits is held at the range's edge rather than wrapped, so that a closed
  // curve never reads back as open.
  return writeShort(stream, loomset::detail::saturatedShort(curve.strictIsClosed())) != 0 ? kFailed
                                                                                          : kDone;
}

int TnBezierPattern::read(TnStream& stream) {
  short version = 0;
  if (readShort(stream, &version) != 0) return kFailed;
  if (version != kVersion) return kUnknownVersion;
  short count = 0;
  if (readFVector(stream, &referenceLine) != 0 || readShort(stream, &count) != 0) return kFailed;
  TnList<TnBezier>& segments = curve.getSegments();
  segments.empty();
  curve.setStrictIsClosed(0);
  if (loomset::detail::readSegments(stream, &readFPoint, count, segments) != 0) return kFailed;
  short closed = 0;
  if (readShort(stream, &closed) != 0) return kFailed;
  curve.setStrictIsClosed(closed);
  return kDone;
}

int TnBezierPattern::operator==(const TnBezierPattern& other) const {
  return referenceLine == other.referenceLine && curve == other.curve ? 1 : 0;
}

int TnBezierPattern::operator!=(const TnBezierPattern& other) const {
  return referenceLine != other.referenceLine || curve != other.curve ? 1 : 0;
}
