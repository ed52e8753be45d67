#include "geometry/MotifWalk.h"
#include "geometry/PlacementTransform.h"
#include "loomset/foundation/Tolerance.h"
#include "loomset/geometry/TnDirectionPattern.h"

using loomset::detail::lastFlag;
using loomset::detail::putDirection;

void TnDirectionPattern::getForwardDirections(const Tn2DTrans& trans, Directions& out) const {
  generateOver(trans, 0, out, out.end());
}

void TnDirectionPattern::getBackwardDirections(const Tn2DTrans& trans, Directions& out) const {
  generateOver(trans, 1, out, out.end());
}

TnDirectionPattern::Directions::iterator TnDirectionPattern::generateOver(
    const Tn2DTrans& trans, int backward, Directions& out, Directions::iterator at) const {
  if (backward == 0) {
    for (const auto& entry : directions)
      at = putDirection(out, at, trans * entry.first, entry.second);
  } else {
    for (auto it = directions.rbegin(); it != directions.rend(); ++it)
      at = putDirection(out, at, trans * (it->first * -1.0), it->second);
  }
  return at;
}

TnDirectionPattern::Directions::iterator TnDirectionPattern::placeOver(
    const TnCoord<double>& start, const TnCoord<double>& end, int reverse, Directions& out,
    Directions::iterator at) const {
  const TnVector<double> span = end - start;
  if (directions.empty() || IS_ZERO(span.length(), 1e-9) != 0)
    return putDirection(out, at, span, lastFlag(directions));
  const Tn2DTrans trans = loomset::detail::placementTransform(
      span, loomset::detail::advanceLine(referenceLine, reverse), flipped, mirrored);
  const int backward = loomset::detail::runsBackward(reverse, mirrored) ? 1 : 0;
  return generateOver(trans, backward, out, at);
}

void TnDirectionPattern::getDirections(const TnCoord<double>& start, const TnCoord<double>& end,
                                       int reverse, Directions& out) const {
  placeOver(start, end, reverse, out, out.end());
}

const TnDirectionPattern::Directions& TnDirectionPattern::getDirections(
    const TnCoord<double>& start, const TnCoord<double>& end, int reverse) {
  // Every call places the motif afresh. A cache could only be served again for a span within
  // 1e-7 of `cachedSpan`, and that is always the zero span, whose ends coincide within 1e-7 and
  // which is placed afresh in any case.
  Directions& cache = reverse == 0 ? cachedForward : cachedBackward;
  Directions& other = reverse == 0 ? cachedBackward : cachedForward;
  // The other cache is emptied into this one, so that its nodes are overwritten rather than
  // freed: the host alternates forward and backward placements of one motif millions of times.
  cache.splice(cache.end(), other);
  cache.erase(placeOver(start, end, reverse, cache, cache.begin()), cache.end());
  return cache;
}

void TnDirectionPattern::setReferenceAndDirections(const TnVector<double>& reference,
                                                   const Directions& motif) {
  referenceLine = reference;
  directions = motif;
  const TnCoord<double> referenceEnd = TnCoord<double>(0.0, 0.0) + reference;
  const TnCoord<double> motifEnd = loomset::detail::endPoint(directions);
  // Closed onto the reference line, so that one repeat begins where the last one ended.
  if (isEqual(motifEnd, referenceEnd, 1e-7) == 0)
    directions.emplace_back(referenceEnd - motifEnd, lastFlag(directions));
  installMotif(referenceEnd);
}

void TnDirectionPattern::setReferenceAndDirections(const Directions& motif) {
  directions = motif;
  const TnCoord<double> motifEnd = loomset::detail::endPoint(directions);
  referenceLine = motifEnd - TnCoord<double>(0.0, 0.0);
  installMotif(motifEnd);
}

void TnDirectionPattern::installMotif(const TnCoord<double>& end) {
  // There is no result to report to: a motif whose end point or turned vectors are not finite
  // stays as given.
  static_cast<void>(settleMotif(end));
  cachedSpan = TnVector<double>(0.0, 0.0);
  cachedForward.clear();
  cachedBackward.clear();
  setupBBoxData(0);
}
