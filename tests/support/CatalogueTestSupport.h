#pragma once

#include "loomset/foundation/TnString.h"
#include "loomset/patterns/TnFillPattern.h"

namespace loomset::test {

// A random fill pattern; patterns of different stitch lengths differ in content.
inline TnFillPattern fillPattern(const TnString& name, short stitchLength) {
  TnFillPattern pattern;
  pattern.init(name, stitchLength);
  return pattern;
}

}  // namespace loomset::test
