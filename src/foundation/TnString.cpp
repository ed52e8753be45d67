#include "loomset/foundation/TnString.h"

#include <cstdint>
#include <cstring>
#include <ostream>

TnString::TnString(const char* text) : bytes_(text != nullptr ? text : ""), hash_(hashOf(bytes_)) {}

TnString::TnString(const char* bytes, std::size_t count)
    : bytes_(bytes != nullptr ? std::string(bytes, count) : std::string()), hash_(hashOf(bytes_)) {}

TnString& TnString::append(const TnString& other) {
  // Hashed before appending: `other` may be this string.
  std::uint32_t h = hash_;
  for (unsigned char byte : other.bytes_) h = hashStep(h, byte);
  bytes_.append(other.bytes_);
  hash_ = h;
  return *this;
}

std::uint32_t TnString::hashOf(const std::string& bytes) {
  std::uint32_t h = emptyHash();
  for (unsigned char byte : bytes) h = hashStep(h, byte);
  return h;
}

std::ostream& operator<<(std::ostream& out, const TnString& text) {
  return out.write(text.data(), static_cast<std::streamsize>(text.length()));
}
