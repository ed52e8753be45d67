#pragma once

#include "loomset/Export.h"
#include "loomset/foundation/TnCoord.h"
#include "loomset/foundation/TnVector.h"

// Non-zero when the line through a and b and the line through c and d are one line: their
// undirected directions differ by at most `angleTol` radians and both c and d lie within `tol`
// of the line through a and b. A segment of zero length has no direction: its point must lie
// within `tol` of the other line, and when both have zero length the two points must lie within
// `tol` of each other.
LOOMSET_API int collinear(const TnCoord<double>& a, const TnCoord<double>& b,
                          const TnCoord<double>& c, const TnCoord<double>& d, double tol,
                          double angleTol);

// Meets the line through p1 along d1 with the line through p2 along d2. Returns 0 and writes the
// meeting point to `out`; returns 1 and leaves `out` alone when a direction is the zero vector,
// the lines are parallel, or the point is not finite.
LOOMSET_API int intersect(TnCoord<double>& out, const TnCoord<double>& p1,
                          const TnVector<double>& d1, const TnCoord<double>& p2,
                          const TnVector<double>& d2);
