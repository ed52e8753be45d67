#pragma once

#include <cmath>

// A 2-D displacement (x, y). Equality and order compare the coordinates exactly; tolerant
// comparisons are the free isEqual functions.
template <typename T>
class TnVector {
 public:
  TnVector() : x_(), y_() {}
  TnVector(T x, T y) : x_(x), y_(y) {}

  T& xval() { return x_; }
  T xval() const { return x_; }
  T& yval() { return y_; }
  T yval() const { return y_; }

  TnVector operator+(const TnVector& v) const { return TnVector(x_ + v.x_, y_ + v.y_); }
  TnVector operator-(const TnVector& v) const { return TnVector(x_ - v.x_, y_ - v.y_); }
  // Each coordinate times `factor`, converted back to T (truncated for integer vectors).
  TnVector operator*(const double& factor) const {
    return TnVector(static_cast<T>(x_ * factor), static_cast<T>(y_ * factor));
  }
  TnVector& operator+=(const TnVector& v) {
    x_ += v.x_;
    y_ += v.y_;
    return *this;
  }
  TnVector& operator-=(const TnVector& v) {
    x_ -= v.x_;
    y_ -= v.y_;
    return *this;
  }

  bool operator==(const TnVector& v) const { return x_ == v.x_ && y_ == v.y_; }
  bool operator!=(const TnVector& v) const { return !(*this == v); }
  // By x, then by y.
  bool operator<(const TnVector& v) const { return x_ < v.x_ || (x_ == v.x_ && y_ < v.y_); }

  // Euclidean length, computed without intermediate overflow.
  double length() const { return std::hypot(static_cast<double>(x_), static_cast<double>(y_)); }
  // Non-zero when the dot product with `v` is positive: both point the same way.
  int isSameSense(const TnVector& v) const {
    return static_cast<double>(x_) * v.x_ + static_cast<double>(y_) * v.y_ > 0.0 ? 1 : 0;
  }

 private:
  T x_;
  T y_;
};
