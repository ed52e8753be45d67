#pragma once

#include "loomset/Export.h"
#include "loomset/foundation/TnString.h"

// An embroidery length, kept as the double it was built from.
class LOOMSET_API TnEmbPoint {
 public:
  TnEmbPoint() = default;
  explicit TnEmbPoint(double value) : value_(value) {}

  double value() const { return value_; }
  explicit operator double() const { return value_; }
  // The default stream output of the double: 30.0 gives "30", 2.5 gives "2.5".
  explicit operator TnString() const;

  bool operator==(const TnEmbPoint& other) const { return value_ == other.value_; }
  bool operator!=(const TnEmbPoint& other) const { return !(*this == other); }

 private:
  double value_ = 0.0;
};
