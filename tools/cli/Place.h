#pragma once

#include <ostream>
#include <string>

namespace loomset::tool {

struct PlaceOptions {
  // A stream file whose first record is a direction pattern, or "builtin:NAME" for the first
  // motif of the built-in programmed (or lockstitch) pattern NAME.
  std::string source;
  double x0 = 0.0;
  double y0 = 0.0;
  double x1 = 0.0;
  double y1 = 0.0;
  bool reverse = false;
  bool mirror = false;
  bool flip = false;
  // Where to draw the placement; empty for no drawing.
  std::string svgPath;
};

// The prefix of a built-in source.
constexpr const char* kBuiltinPrefix = "builtin:";

// Lays the motif from (x0, y0) to (x1, y1) and prints each vector with its jump flag and the
// needle point it reaches, then the corners of the box it covers. Returns the exit status: 0;
// 1 when the file's record does not read or the picture cannot be written; 2 for a built-in
// name that does not exist.
int runPlace(const PlaceOptions& options, std::ostream& out, std::ostream& err);

}  // namespace loomset::tool
