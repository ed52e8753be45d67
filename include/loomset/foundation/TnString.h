#pragma once

#include <cstddef>
#include <iosfwd>
#include <string>

#include "loomset/Export.h"

// A byte string of any length holding any bytes, including 0x00 and 0xBB; no text encoding is
// imposed. Pattern names are TnString values and compare byte by byte.
class LOOMSET_API TnString {
 public:
  TnString() = default;
  // Takes the bytes up to the terminating zero; a null pointer gives the empty string.
  TnString(const char* text);  // NOLINT(google-explicit-constructor): names are written as literals
  TnString(const char* bytes, std::size_t count);
  explicit TnString(std::string bytes) : bytes_(std::move(bytes)) {}

  // The bytes with a terminating zero; text after an embedded zero is not seen through it.
  operator const char*() const { return bytes_.c_str(); }  // NOLINT(google-explicit-constructor)
  const char* data() const { return bytes_.data(); }
  std::size_t length() const { return bytes_.size(); }
  bool isEmpty() const { return bytes_.empty(); }
  const std::string& bytes() const { return bytes_; }
  char operator[](std::size_t i) const { return bytes_[i]; }

  TnString& append(char byte) {
    bytes_.push_back(byte);
    return *this;
  }
  TnString& append(const TnString& other) {
    bytes_.append(other.bytes_);
    return *this;
  }

  // Equal strings give equal values; any int may come out, negative ones included.
  int hash() const;

  friend bool operator==(const TnString& a, const TnString& b) { return a.bytes_ == b.bytes_; }
  friend bool operator==(const TnString& a, const char* b) { return a == TnString(b); }
  friend bool operator==(const char* a, const TnString& b) { return TnString(a) == b; }
  friend bool operator!=(const TnString& a, const TnString& b) { return !(a == b); }
  friend bool operator!=(const TnString& a, const char* b) { return !(a == b); }
  friend bool operator!=(const char* a, const TnString& b) { return !(a == b); }
  // Byte-wise order, bytes taken as unsigned.
  friend bool operator<(const TnString& a, const TnString& b) { return a.bytes_ < b.bytes_; }
  friend bool operator<(const TnString& a, const char* b) { return a < TnString(b); }
  friend bool operator<(const char* a, const TnString& b) { return TnString(a) < b; }

 private:
  std::string bytes_;
};

// Writes the bytes as they are.
LOOMSET_API std::ostream& operator<<(std::ostream& out, const TnString& text);
