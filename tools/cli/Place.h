#pragma once

#include <ostream>
#include <string>

namespace loomset::tool {

// How a motif is laid along a span: as many whole repeats as fit (the rest of the span left
// over), scaled so that a whole number of repeats fills the span, or once.
enum class Layout { kRepeat, kFit, kOnce };

struct PlaceOptions {
  // A stream file whose first record is a direction pattern, or "builtin:NAME" for the first
  // motif of the built-in programmed (or lockstitch) pattern NAME.
  std::string source;
  double x0 = 0.0;
  double y0 = 0.0;
  double x1 = 0.0;
  double y1 = 0.0;
  Layout layout = Layout::kRepeat;
  bool reverse = false;
  bool mirror = false;
  bool flip = false;
  // Where to draw the placement; empty for no drawing.
  std::string svgPath;
};

// The prefix of a built-in source.
constexpr const char* kBuiltinPrefix = "builtin:";

// Lays the motif from (x0, y0) to (x1, y1) as `layout` says, each repeat with the library's own
// placement along its piece of the span (after the library's own scaling, for kFit), and prints
// how it was laid, each vector with its jump flag and the needle point it reaches, the box those
// needle points cover, and the box the library gives for the first repeat. Returns the exit
// status: 0; 1 when the file's record does not read, the motif cannot be laid that way, or the
// picture cannot be written; 2 for a built-in name that does not exist.
int runPlace(const PlaceOptions& options, std::ostream& out, std::ostream& err);

}  // namespace loomset::tool
