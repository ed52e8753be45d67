#pragma once

#include <cmath>
#include <cstddef>

namespace loomset::detail {

// Counts, flags and whole numbers go on a stream as signed 16-bit values.

// The longest list whose count reads back as itself.
constexpr std::size_t kMaxShortCount = 32767;

// `value` truncated toward zero and held to the 16-bit range, so that it never wraps into a
// different number (a jump flag never becomes a stitch); NaN gives 0.
inline short saturatedShort(double value) {
  if (std::isnan(value)) return 0;
  if (value <= -32768.0) return -32768;
  if (value >= 32767.0) return 32767;
  return static_cast<short>(value);
}

}  // namespace loomset::detail
