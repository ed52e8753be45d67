#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <iosfwd>
#include <string>
#include <utility>

#include "loomset/Export.h"

// A byte string of any length holding any bytes, including 0x00 and 0xBB; no text encoding is
// imposed. Pattern names are TnString values and compare byte by byte.
//
// The string keeps its hash up to date as it is built, so that a catalogue look-up neither
// rehashes a name it has seen nor compares the bytes of names whose hashes differ.
class LOOMSET_API TnString {
 public:
  TnString() = default;
  // Takes the bytes up to the terminating zero; a null pointer gives the empty string.
  TnString(const char* text);  // NOLINT(google-explicit-constructor): names are written as literals
  TnString(const char* bytes, std::size_t count);
  TnString(const TnString&) = default;
  TnString& operator=(const TnString&) = default;
  // A moved-from string is left empty, with the empty string's hash.
  TnString(TnString&& other) noexcept
      : bytes_(std::move(other.bytes_)), hash_(std::exchange(other.hash_, emptyHash())) {
    other.bytes_.clear();
  }
  TnString& operator=(TnString&& other) noexcept {
    if (this != &other) {
      bytes_ = std::move(other.bytes_);
      hash_ = std::exchange(other.hash_, emptyHash());
      other.bytes_.clear();
    }
    return *this;
  }
  ~TnString() = default;
  explicit TnString(std::string bytes) : bytes_(std::move(bytes)), hash_(hashOf(bytes_)) {}

  // The bytes with a terminating zero; text after an embedded zero is not seen through it.
  operator const char*() const { return bytes_.c_str(); }  // NOLINT(google-explicit-constructor)
  const char* data() const { return bytes_.data(); }
  std::size_t length() const { return bytes_.size(); }
  bool isEmpty() const { return bytes_.empty(); }
  const std::string& bytes() const { return bytes_; }
  char operator[](std::size_t i) const { return bytes_[i]; }

  TnString& append(char byte) {
    bytes_.push_back(byte);
    hash_ = hashStep(hash_, static_cast<unsigned char>(byte));
    return *this;
  }
  TnString& append(const TnString& other);

  // Equal strings give equal values; any int may come out, negative ones included.
  int hash() const {
    // Read as a signed int, so half of all names hash negative, which the tables must cope with.
    std::int32_t signedHash;
    std::memcpy(&signedHash, &hash_, sizeof hash_);
    return signedHash;
  }

  friend bool operator==(const TnString& a, const TnString& b) {
    return a.hash_ == b.hash_ && a.bytes_ == b.bytes_;
  }
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
  // FNV-1a, one byte at a time, so that appending extends the hash without rereading the string.
  // A function rather than a static constant: an inline variable would be exported as a unique
  // symbol, which keeps the library from ever being unloaded.
  static constexpr std::uint32_t emptyHash() { return 2166136261u; }
  static constexpr std::uint32_t hashStep(std::uint32_t h, unsigned char byte) {
    return (h ^ byte) * 16777619u;
  }
  static std::uint32_t hashOf(const std::string& bytes);

  std::string bytes_;
  std::uint32_t hash_ = emptyHash();
};

// Writes the bytes as they are.
LOOMSET_API std::ostream& operator<<(std::ostream& out, const TnString& text);
