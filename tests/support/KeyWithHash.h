#pragma once

#include <cstdint>
#include <string>
#include <unordered_map>

#include "loomset/foundation/TnString.h"

namespace loomset::test {

// A key whose TnString::hash() is exactly `target`, so that tests can place keys in chosen
// buckets. The hash is FNV-1a; each step h -> (h ^ byte) * prime can be undone, because the prime
// is odd. Two free trailing bytes leave 16 of the prefix hash's 32 bits to chance, so about 2^16
// prefixes "<stem><i>" are tried. Returns the empty string if none fits.
inline TnString keyWithHash(int target, const std::string& stem = "key") {
  constexpr std::uint32_t kPrime = 16777619u;
  std::uint32_t inverse = kPrime;  // Newton's iteration doubles the correct low bits each time.
  for (int i = 0; i < 5; ++i) inverse *= 2u - kPrime * inverse;
  // Before the last byte the state must match `beforeLast` in its upper 24 bits; each of the 256
  // such states needs a prefix state that matches (state * inverse) in its upper 24 bits.
  const std::uint32_t beforeLast = static_cast<std::uint32_t>(target) * inverse;
  std::unordered_map<std::uint32_t, std::uint32_t> statesByPrefixHigh;
  for (std::uint32_t low = 0; low < 256; ++low) {
    const std::uint32_t state = (beforeLast & ~0xFFu) | low;
    statesByPrefixHigh.emplace((state * inverse) >> 8, state);
  }
  for (std::uint32_t i = 0; i < (1u << 22); ++i) {
    std::string bytes = stem + std::to_string(i);
    const auto prefixHash = static_cast<std::uint32_t>(TnString(bytes).hash());
    const auto match = statesByPrefixHigh.find(prefixHash >> 8);
    if (match == statesByPrefixHigh.end()) continue;
    const std::uint32_t state = match->second;
    bytes += static_cast<char>((prefixHash ^ (state * inverse)) & 0xFFu);
    bytes += static_cast<char>((state ^ beforeLast) & 0xFFu);
    return TnString(bytes);
  }
  return TnString();
}

}  // namespace loomset::test
