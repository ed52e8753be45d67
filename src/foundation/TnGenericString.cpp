#include "loomset/foundation/TnGenericString.h"

#include <cstring>

TnGenericString::TnGenericString(const char* bytes, std::size_t length) : buffer_(length + 1, 0) {
  if (bytes != nullptr && length > 0) std::memcpy(buffer_.data(), bytes, length);
}

TnGenericString::TnGenericString(const TnString& text)
    : TnGenericString(text.data(), text.length()) {}
