#pragma once

#include <cstddef>
#include <vector>

#include "loomset/Export.h"
#include "loomset/foundation/TnString.h"

// A writable, zero-terminated byte buffer for code that edits text in place.
class LOOMSET_API TnGenericString {
 public:
  // Copies exactly `length` bytes from `bytes` (a null pointer gives `length` zero bytes) and
  // adds a terminating zero.
  TnGenericString(const char* bytes, std::size_t length);
  explicit TnGenericString(const TnString& text);

  operator char*() { return buffer_.data(); }  // NOLINT(google-explicit-constructor)
  std::size_t length() const { return buffer_.size() - 1; }

 private:
  std::vector<char> buffer_;
};
