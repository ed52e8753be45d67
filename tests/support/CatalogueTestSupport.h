#pragma once

#include "loomset/catalogue/TnDesign.h"
#include "loomset/patterns/TnFillPattern.h"

namespace loomset::test {

// A random fill pattern; patterns of different stitch lengths differ in content.
inline TnFillPattern fillPattern(const TnString& name, short stitchLength) {
  TnFillPattern pattern;
  pattern.init(name, stitchLength);
  return pattern;
}

// Designs are the host's objects; the managers only keep their addresses.
inline TnDesign* design(int index) {
  static int objects[3];
  return reinterpret_cast<TnDesign*>(&objects[index]);
}

}  // namespace loomset::test
