#include "loomset/foundation/Lines.h"

#include <cmath>

namespace {

double cross(const TnVector<double>& u, const TnVector<double>& v) {
  return u.xval() * v.yval() - u.yval() * v.xval();
}

double dot(const TnVector<double>& u, const TnVector<double>& v) {
  return u.xval() * v.xval() + u.yval() * v.yval();
}

// Distance of p from the line through a along the non-zero direction u.
double distanceToLine(const TnCoord<double>& p, const TnCoord<double>& a,
                      const TnVector<double>& u) {
  return std::fabs(cross(u, p - a)) / u.length();
}

}  // namespace

int collinear(const TnCoord<double>& a, const TnCoord<double>& b, const TnCoord<double>& c,
              const TnCoord<double>& d, double tol, double angleTol) {
  const TnVector<double> u = b - a;
  const TnVector<double> v = d - c;
  const bool uZero = u.xval() == 0.0 && u.yval() == 0.0;
  const bool vZero = v.xval() == 0.0 && v.yval() == 0.0;
  if (uZero && vZero) return a.distance(c) <= tol ? 1 : 0;
  if (uZero) return distanceToLine(a, c, v) <= tol ? 1 : 0;
  if (vZero) return distanceToLine(c, a, u) <= tol ? 1 : 0;
  // Angle between the undirected lines, in [0, pi/2].
  const double angle = std::atan2(std::fabs(cross(u, v)), std::fabs(dot(u, v)));
  if (!(angle <= angleTol)) return 0;
  return distanceToLine(c, a, u) <= tol && distanceToLine(d, a, u) <= tol ? 1 : 0;
}

int intersect(TnCoord<double>& out, const TnCoord<double>& p1, const TnVector<double>& d1,
              const TnCoord<double>& p2, const TnVector<double>& d2) {
  const double denom = cross(d1, d2);
  if (denom == 0.0 || !std::isfinite(denom)) return 1;  // parallel, or a zero direction
  const double t = cross(p2 - p1, d2) / denom;
  const TnCoord<double> meet = p1 + d1 * t;
  if (!std::isfinite(meet.xval()) || !std::isfinite(meet.yval())) return 1;
  out = meet;
  return 0;
}
