#include "loomset/foundation/TnString.h"

#include <cstdint>
#include <cstring>
#include <ostream>

TnString::TnString(const char* text) : bytes_(text != nullptr ? text : "") {}

TnString::TnString(const char* bytes, std::size_t count)
    : bytes_(bytes != nullptr ? std::string(bytes, count) : std::string()) {}

int TnString::hash() const {
  // FNV-1a over the bytes; the 32-bit result is read as a signed int, so half of all names hash
  // negative, which the tables must cope with.
  std::uint32_t h = 2166136261u;
  for (unsigned char byte : bytes_) {
    h ^= byte;
    h *= 16777619u;
  }
  std::int32_t signedHash;
  std::memcpy(&signedHash, &h, sizeof h);
  return signedHash;
}

std::ostream& operator<<(std::ostream& out, const TnString& text) {
  return out.write(text.data(), static_cast<std::streamsize>(text.length()));
}
