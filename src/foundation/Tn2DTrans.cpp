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

void Tn2DTrans::rotate(const TnVector<double>& a, const TnVector<double>& b) {
  const double lengthA = a.length();
  const double lengthB = b.length();
  if (!(lengthA > 0.0 && lengthB > 0.0) || !std::isfinite(lengthA) || !std::isfinite(lengthB))
    return;
  // cos and sin of the angle from b to a, from the two unit vectors: each length is divided out
  // on its own, so that no product of lengths can overflow, and quarter and half turns between
  // axis-parallel vectors come out exact.
  const double ax = a.xval() / lengthA;
  const double ay = a.yval() / lengthA;
  const double bx = b.xval() / lengthB;
  const double by = b.yval() / lengthB;
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
