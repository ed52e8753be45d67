#pragma once

#include "loomset/Export.h"
#include "loomset/foundation/TnCoord.h"
#include "loomset/foundation/TnVector.h"

// A linear map of the plane, built as a chain of operations: each call adds its operation after
// those already held, so a vector passes through them in call order. There is no translation.
class LOOMSET_API Tn2DTrans {
 public:
  // The identity.
  Tn2DTrans() = default;

  // Adds (x, y) -> (x, -y).
  void flip();
  // Adds (x, y) -> (-x, y).
  void mirror();
  // Adds the rotation that turns the direction of `b` onto the direction of `a`, lengths kept;
  // adds nothing when either is the zero vector or has a coordinate that is not finite.
  void rotate(const TnVector<double>& a, const TnVector<double>& b);
  // Adds (x, y) -> (sx x, sy y).
  void scale(double sx, double sy);

  TnVector<double> apply(const TnVector<double>& v) const {
    return TnVector<double>(m00_ * v.xval() + m01_ * v.yval(), m10_ * v.xval() + m11_ * v.yval());
  }

 private:
  // x' = m00 x + m01 y, y' = m10 x + m11 y.
  double m00_ = 1.0;
  double m01_ = 0.0;
  double m10_ = 0.0;
  double m11_ = 1.0;
};

inline TnVector<double> operator*(const Tn2DTrans& trans, const TnVector<double>& v) {
  return trans.apply(v);
}

inline TnCoord<double> operator*(const Tn2DTrans& trans, const TnCoord<double>& c) {
  const TnVector<double> v = trans.apply(TnVector<double>(c.xval(), c.yval()));
  return TnCoord<double>(v.xval(), v.yval());
}
