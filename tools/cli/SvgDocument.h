#pragma once

#include <ostream>
#include <string>

namespace loomset::tool {

// `text` made safe as XML character data or attribute value: &, <, >, " and ' become entities,
// control characters that XML 1.0 forbids become '?', and bytes that are not well-formed UTF-8
// become U+FFFD, so that any label keeps the document parseable.
std::string escapeXml(const std::string& text);

// A coordinate as SVG text with at most two decimals and no trailing zeros ("12.5", "-3", "0").
// NaN becomes "0" and magnitudes beyond 1e7, infinities included, are clamped, so that no "nan"
// or "inf" reaches a document.
std::string svgNumber(double value);

// A value for a label or a line of text: at most six significant digits, exact for the usual
// small values, 0 for magnitudes below 1e-9, and "?" when it is not finite.
std::string textNumber(double value);

// A standalone SVG 1.1 document built element by element. Texts are escaped here; the
// `attributes` strings are the caller's own markup (such as `fill="none" stroke="#333"`) and are
// written as they are.
class SvgDocument {
 public:
  void rect(double x, double y, double width, double height, const std::string& attributes);
  void circle(double cx, double cy, double r, const std::string& attributes);
  // A path with the given path data ("M x y C ..."); nothing for empty data.
  void path(const std::string& data, const std::string& attributes);
  void text(double x, double y, const std::string& content, const std::string& attributes);

  // The XML declaration, the <svg> root of the given size (width, height and a matching
  // viewBox) with a sans-serif font for all text, a white background and the elements in the
  // order they were added.
  void write(std::ostream& out, double width, double height) const;

 private:
  std::string body;
};

}  // namespace loomset::tool
