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
  const double norm = a.length() * b.length();
  if (!(norm > 0.0) || !std::isfinite(norm)) return;
  // cos and sin of the angle from b to a; quarter and half turns between axis-parallel vectors
  // come out exact, which keeps placed motifs on whole numbers where they started on them.
  const double c = (a.xval() * b.xval() + a.yval() * b.yval()) / norm;
  const double s = (b.xval() * a.yval() - b.yval() * a.xval()) / norm;
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
