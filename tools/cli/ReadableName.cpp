#include "cli/ReadableName.h"

#include <cstdio>

namespace loomset::tool {

std::string readableName(const TnString& name) {
  const std::string& bytes = name.bytes();
  std::string text;
  text.reserve(bytes.size());
  for (const char c : bytes) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 0x20 || (byte >= 0x7F && byte < 0xA0)) {
      char escape[5];
      std::snprintf(escape, sizeof escape, "\\x%02X", byte);
      text += escape;
    } else if (byte < 0x80) {
      text += c;
    } else {
      text += static_cast<char>(0xC0 | (byte >> 6));
      text += static_cast<char>(0x80 | (byte & 0x3F));
    }
  }
  return text;
}

TnString storedName(const std::string& text) {
  std::string bytes;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const auto lead = static_cast<unsigned char>(text[i]);
    const bool latin1 = (lead == 0xC2 || lead == 0xC3) && i + 1 < text.size() &&
                        (static_cast<unsigned char>(text[i + 1]) & 0xC0) == 0x80;
    if (latin1) {
      bytes += static_cast<char>(((lead & 0x03) << 6) | (text[++i] & 0x3F));
    } else {
      bytes += text[i];
    }
  }
  return TnString(bytes.data(), bytes.size());
}

}  // namespace loomset::tool
