#include "patterns/SegmentText.h"

namespace loomset::detail {

void printSegmentLines(std::ostream& out, const TnList<TnBezier>& segments) {
  for (unsigned int i = 0; i < segments.length(); ++i) {
    const TnBezier& segment = segments[i];
    out << "\t\t";
    for (int k = 0; k < 4; ++k)
      out << "(" << segment[k].xval() << ", " << segment[k].yval() << "), ";
    out << std::endl;
  }
}

}  // namespace loomset::detail
