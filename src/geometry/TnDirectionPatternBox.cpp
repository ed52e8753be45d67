#include "geometry/MotifWalk.h"
#include "geometry/PlacementTransform.h"
#include "loomset/foundation/Tn2DTrans.h"
#include "loomset/foundation/Tolerance.h"
#include "loomset/geometry/TnDirectionPattern.h"

void TnDirectionPattern::setupBBoxData(int clipToSpan) const {
  const TnCoord<double> origin(0.0, 0.0);
  const loomset::detail::MotifExtent extent =
      loomset::detail::scanMotif(directions, origin, origin);
  lowerLeft = extent.lo - origin;
  upperRight = extent.hi - origin;
  if (clipToSpan != 0) {
    lowerLeft.xval() = 0.0;
    upperRight.xval() = extent.end.xval();
  }
}

void TnDirectionPattern::getLLURwrtRef(int reverse, TnVector<double>& ll,
                                       TnVector<double>& ur) const {
  if (reverse == 0) {
    ll = lowerLeft;
    ur = upperRight;
  } else {
    ll = TnVector<double>(upperRight.xval(), lowerLeft.yval());
    ur = TnVector<double>(lowerLeft.xval(), upperRight.yval());
  }
}

void TnDirectionPattern::getBoundingBox(const TnCoord<double>& start, const TnCoord<double>& end,
                                        int reverse, TnCoord<double>& corner1,
                                        TnCoord<double>& corner2, TnCoord<double>& corner3,
                                        TnCoord<double>& corner4) const {
  // Taken first: the corners may be the very objects passed as start and end.
  const TnCoord<double> from = start;
  const TnVector<double> span = end - start;
  const bool noDirection = isEqual(start, end, 1e-7) != 0;
  TnVector<double> ll;
  TnVector<double> ur;
  getLLURwrtRef(reverse, ll, ur);
  if (noDirection) {
    corner1 = from + ll;
    corner4 = from + ur;
    return;
  }
  // The box is that of the motif as stored: flipping and mirroring do not enter it.
  Tn2DTrans trans;
  trans.rotate(span, loomset::detail::advanceLine(referenceLine, reverse));
  corner1 = from + trans * ll;
  corner2 = from + trans * TnVector<double>(ll.xval(), ur.yval());
  corner3 = from + trans * TnVector<double>(ur.xval(), ll.yval());
  corner4 = from + trans * ur;
}
