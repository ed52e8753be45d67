#pragma once

#include <cstdint>
#include <cstring>
#include <initializer_list>
#include <ostream>
#include <string>
#include <tuple>
#include <vector>

#include "loomset/foundation/TnVector.h"
#include "loomset/geometry/TnDirectionPattern.h"

using Directions = TnDirectionPattern::Directions;

// Lets failure messages show vectors as (x, y).
inline void PrintTo(const TnVector<double>& v, std::ostream* out) {
  *out << "(" << v.xval() << ", " << v.yval() << ")";
}

// Builds a motif from (x, y, flag) triples.
inline Directions motif(std::initializer_list<std::tuple<double, double, int>> entries) {
  Directions list;
  for (const auto& [x, y, flag] : entries) list.emplace_back(TnVector<double>(x, y), flag);
  return list;
}

// Opens the protected members to the tests.
class DirectionPatternProbe : public TnDirectionPattern {
 public:
  using TnDirectionPattern::cachedBackward;
  using TnDirectionPattern::cachedForward;
  using TnDirectionPattern::cachedSpan;
  using TnDirectionPattern::getBackwardDirections;
  using TnDirectionPattern::getForwardDirections;
  using TnDirectionPattern::lowerLeft;
  using TnDirectionPattern::setupBBoxData;
  using TnDirectionPattern::skipEndPoint;
  using TnDirectionPattern::upperRight;
};

// Little-endian stream bytes: short 2 bytes, F vector two binary32, D vector two binary64.
class StreamBytes {
 public:
  StreamBytes& s(int value) { return put(static_cast<std::uint16_t>(value), 2); }
  StreamBytes& f(double x, double y) { return putFloat(x).putFloat(y); }
  StreamBytes& d(double x, double y) { return putDouble(x).putDouble(y); }
  // A 16-bit byte count, then the bytes.
  StreamBytes& str(const std::string& text) {
    put(text.size(), 2);
    bytes_.insert(bytes_.end(), text.begin(), text.end());
    return *this;
  }
  const std::vector<unsigned char>& bytes() const { return bytes_; }

 private:
  StreamBytes& put(std::uint64_t bits, int count) {
    for (int i = 0; i < count; ++i) bytes_.push_back(static_cast<unsigned char>(bits >> (8 * i)));
    return *this;
  }
  StreamBytes& putFloat(double value) {
    const float f = static_cast<float>(value);
    std::uint32_t bits;
    std::memcpy(&bits, &f, sizeof bits);
    return put(bits, 4);
  }
  StreamBytes& putDouble(double value) {
    std::uint64_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    return put(bits, 8);
  }

  std::vector<unsigned char> bytes_;
};
