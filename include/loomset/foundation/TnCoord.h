#pragma once

#include <cmath>

#include "loomset/foundation/TnVector.h"

// A 2-D point. Points differ by vectors; adding a vector to a point gives a point.
template <typename T>
class TnCoord {
 public:
  TnCoord() : x_(), y_() {}
  TnCoord(T x, T y) : x_(x), y_(y) {}

  T& xval() { return x_; }
  T xval() const { return x_; }
  T& yval() { return y_; }
  T yval() const { return y_; }

  TnVector<T> operator-(const TnCoord& c) const { return TnVector<T>(x_ - c.x_, y_ - c.y_); }
  TnCoord operator+(const TnVector<T>& v) const { return TnCoord(x_ + v.xval(), y_ + v.yval()); }
  TnCoord operator-(const TnVector<T>& v) const { return TnCoord(x_ - v.xval(), y_ - v.yval()); }
  TnCoord& operator+=(const TnVector<T>& v) {
    x_ += v.xval();
    y_ += v.yval();
    return *this;
  }
  TnCoord& operator-=(const TnVector<T>& v) {
    x_ -= v.xval();
    y_ -= v.yval();
    return *this;
  }

  bool operator==(const TnCoord& c) const { return x_ == c.x_ && y_ == c.y_; }
  bool operator!=(const TnCoord& c) const { return !(*this == c); }

  double distance(const TnCoord& c) const { return (*this - c).length(); }

 private:
  T x_;
  T y_;
};
