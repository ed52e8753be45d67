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
  using TnDirectionPattern::cachedForward;
  using TnDirectionPattern::getBackwardDirections;
  using TnDirectionPattern::getForwardDirections;
  using TnDirectionPattern::lowerLeft;
  using TnDirectionPattern::skipEndPoint;
  using TnDirectionPattern::upperRight;
};

// `entries` installed along `reference`.
inline DirectionPatternProbe patternOf(const TnVector<double>& reference,
                                       const Directions& entries) {
  DirectionPatternProbe pattern;
  pattern.setReferenceAndDirections(reference, entries);
  return pattern;
}

// Little-endian stream bytes: s a short, l a 32-bit long, f two binary32, d two binary64, str a
// 16-bit byte count and the bytes.
class StreamBytes {
 public:
  StreamBytes& s(int value) { return put<std::uint16_t>(static_cast<std::uint16_t>(value)); }
  StreamBytes& l(long value) { return put<std::uint32_t>(static_cast<std::uint32_t>(value)); }
  StreamBytes& f(double x, double y) {
    return put<std::uint32_t>(static_cast<float>(x)).put<std::uint32_t>(static_cast<float>(y));
  }
  StreamBytes& d(double x, double y) { return put<std::uint64_t>(x).put<std::uint64_t>(y); }
  StreamBytes& str(const std::string& text) {
    s(static_cast<int>(text.size()));
    bytes_.insert(bytes_.end(), text.begin(), text.end());
    return *this;
  }
  const std::vector<unsigned char>& bytes() const { return bytes_; }

 private:
  template <typename Bits, typename T>
  StreamBytes& put(T value) {
    Bits bits;
    static_assert(sizeof bits == sizeof value, "the bits hold the value exactly");
    std::memcpy(&bits, &value, sizeof bits);
    for (std::size_t i = 0; i < sizeof bits; ++i)
      bytes_.push_back(static_cast<unsigned char>(bits >> (8 * i)));
    return *this;
  }

  std::vector<unsigned char> bytes_;
};
