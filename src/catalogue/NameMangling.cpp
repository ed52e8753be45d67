#include "loomset/catalogue/NameMangling.h"

#include <string>
#include <utility>

namespace {

constexpr char kSeparator = ' ';
constexpr char kMarker = '\xBB';

}  // namespace

TnString mangleName(const TnString& name) {
  std::string bytes = name.bytes();
  const std::size_t length = bytes.size();
  if (length < 2 || bytes[length - 2] != kMarker) {
    bytes += kSeparator;
    bytes += kMarker;
    bytes += '1';
  } else if (bytes[length - 1] == '9') {
    bytes[length - 1] = kMarker;
    bytes += '1';
  } else if (bytes[length - 1] == '\xFF') {
    // Counting on from 0xFF gives a zero byte, which ends the name as the host keeps it, as C
    // text: a name with an invisible zero at its end could never be found by the text it shows.
    bytes.pop_back();
  } else {
    // Any other last byte counts up, digit or not.
    bytes[length - 1] = static_cast<char>(static_cast<unsigned char>(bytes[length - 1]) + 1);
  }
  return TnString(std::move(bytes));
}

TnString unMangleName(const TnString& name) {
  if (name.length() <= 3) return TnString();
  return TnString(name.bytes().substr(3));
}
