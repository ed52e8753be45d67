#include "cli/SvgDocument.h"

#include <cmath>
#include <cstdio>

namespace loomset::tool {

namespace {

constexpr double kNumberLimit = 1e7;
const char* const kReplacement = "\xEF\xBF\xBD";

// The length of the well-formed UTF-8 sequence at `at` whose code point XML allows, or 0.
std::size_t xmlCharLength(const std::string& text, std::size_t at) {
  const auto lead = static_cast<unsigned char>(text[at]);
  if (lead < 0x80) return lead >= 0x20 || lead == '\t' || lead == '\n' || lead == '\r' ? 1 : 0;
  std::size_t length = 0;
  unsigned long code = 0;
  unsigned long least = 0;
  if ((lead & 0xE0) == 0xC0) {
    length = 2;
    code = lead & 0x1F;
    least = 0x80;
  } else if ((lead & 0xF0) == 0xE0) {
    length = 3;
    code = lead & 0x0F;
    least = 0x800;
  } else if ((lead & 0xF8) == 0xF0) {
    length = 4;
    code = lead & 0x07;
    least = 0x10000;
  } else {
    return 0;
  }
  if (at + length > text.size()) return 0;
  for (std::size_t i = 1; i < length; ++i) {
    const auto byte = static_cast<unsigned char>(text[at + i]);
    if ((byte & 0xC0) != 0x80) return 0;
    code = (code << 6) | (byte & 0x3F);
  }
  const bool surrogate = code >= 0xD800 && code <= 0xDFFF;
  const bool nonCharacter = code == 0xFFFE || code == 0xFFFF;
  if (code < least || code > 0x10FFFF || surrogate || nonCharacter) return 0;
  return length;
}

}  // namespace

std::string escapeXml(const std::string& text) {
  std::string escaped;
  escaped.reserve(text.size());
  std::size_t at = 0;
  while (at < text.size()) {
    const std::size_t length = xmlCharLength(text, at);
    if (length == 0) {
      // A forbidden control character is plain ASCII and reads best as '?'; a broken sequence
      // shows the usual replacement character.
      escaped += static_cast<unsigned char>(text[at]) < 0x80 ? "?" : kReplacement;
      ++at;
      continue;
    }
    switch (text[at]) {
      case '&':
        escaped += "&amp;";
        break;
      case '<':
        escaped += "&lt;";
        break;
      case '>':
        escaped += "&gt;";
        break;
      case '"':
        escaped += "&quot;";
        break;
      case '\'':
        escaped += "&apos;";
        break;
      default:
        escaped.append(text, at, length);
    }
    at += length;
  }
  return escaped;
}

std::string svgNumber(double value) {
  if (std::isnan(value)) value = 0.0;
  if (value > kNumberLimit) value = kNumberLimit;
  if (value < -kNumberLimit) value = -kNumberLimit;
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "%.2f", value);
  std::string number(buffer);
  while (number.back() == '0') number.pop_back();
  if (number.back() == '.') number.pop_back();
  return number == "-0" ? "0" : number;
}

std::string textNumber(double value) {
  if (!std::isfinite(value)) return "?";
  // What is left of a zero after a turn (or a negative zero) reads as the zero it is.
  if (std::fabs(value) < 1e-9) value = 0.0;
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "%.6g", value);
  return buffer;
}

void SvgDocument::rect(double x, double y, double width, double height,
                       const std::string& attributes) {
  body += "<rect x=\"" + svgNumber(x) + "\" y=\"" + svgNumber(y) + "\" width=\"" +
          svgNumber(width) + "\" height=\"" + svgNumber(height) + "\" " + attributes + "/>\n";
}

void SvgDocument::circle(double cx, double cy, double r, const std::string& attributes) {
  body += "<circle cx=\"" + svgNumber(cx) + "\" cy=\"" + svgNumber(cy) + "\" r=\"" + svgNumber(r) +
          "\" " + attributes + "/>\n";
}

void SvgDocument::path(const std::string& data, const std::string& attributes) {
  if (data.empty()) return;
  body += "<path d=\"" + data + "\" " + attributes + "/>\n";
}

void SvgDocument::text(double x, double y, const std::string& content,
                       const std::string& attributes) {
  body += "<text x=\"" + svgNumber(x) + "\" y=\"" + svgNumber(y) + "\" " + attributes + ">" +
          escapeXml(content) + "</text>\n";
}

void SvgDocument::write(std::ostream& out, double width, double height) const {
  const std::string w = svgNumber(width);
  const std::string h = svgNumber(height);
  out << "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"no\"?>\n"
      << "<svg xmlns=\"http://www.w3.org/2000/svg\" version=\"1.1\" width=\"" << w << "\" height=\""
      << h << "\" viewBox=\"0 0 " << w << ' ' << h
      << "\" font-family=\"DejaVu Sans, Arial, sans-serif\">\n"
      << "<rect x=\"0\" y=\"0\" width=\"" << w << "\" height=\"" << h << "\" fill=\"#ffffff\"/>\n"
      << body << "</svg>\n";
}

}  // namespace loomset::tool
