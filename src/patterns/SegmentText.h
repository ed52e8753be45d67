#pragma once

#include <ostream>

#include "loomset/foundation/TnBezier.h"
#include "loomset/foundation/TnList.h"

namespace loomset::detail {

// One line per segment, in order: two tabs, then "(x, y), " for each control point 0 to 3.
void printSegmentLines(std::ostream& out, const TnList<TnBezier>& segments);

}  // namespace loomset::detail
