#include "loomset/foundation/Tn2DTrans.h"

#include <cmath>

void Tn2DTrans::flip() {
  m10_ = -m10_;
  m11_ = -m11_;
}

void Tn2DTrans::mirror() {
  m00_ = -m00_;
  m01_ = -m01_;
}

namespace {

// The direction of `v` as a unit vector; false for the zero vector or a non-finite one. The
// larger coordinate is divided out first, so that no finite vector overflows on the way, and an
// axis-parallel vector comes out exactly as (+-1, 0) or (0, +-1).
bool unitOf(const TnVector<double>& v, double& ux, double& uy) {
  const double largest = std::fmax(std::fabs(v.xval()), std::fabs(v.yval()));
  if (!(largest > 0.0) || !std::isfinite(largest)) return false;
  const double x = v.xval() / largest;
  const double y = v.yval() / largest;
  const double length = std::hypot(x, y);
  ux = x / length;
  uy = y / length;
  return true;
}

}  // namespace

void Tn2DTrans::rotate(const TnVector<double>& a, const TnVector<double>& b) {
  double ax;
  double ay;
  double bx;
  double by;
  if (!unitOf(a, ax, ay) || !unitOf(b, bx, by)) return;
  // cos and sin of the angle from b to a.
  const double c = ax * bx + ay * by;
  const double s = bx * ay - by * ax;
  const double r00 = c * m00_ - s * m10_;
  const double r01 = c * m01_ - s * m11_;
  const double r10 = s * m00_ + c * m10_;
  const double r11 = s * m01_ + c * m11_;
  m00_ = r00;
  m01_ = r01;
  m10_ = r10;
  m11_ = r11;
}

void Tn2DTrans::scale(double sx, double sy) {
  m00_ *= sx;
  m01_ *= sx;
  m10_ *= sy;
  m11_ *= sy;
}
