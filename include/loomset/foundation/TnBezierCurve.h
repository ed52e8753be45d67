#pragma once

#include "loomset/Export.h"
#include "loomset/foundation/TnBezier.h"
#include "loomset/foundation/TnList.h"

// A chain of cubic Bezier segments, in order, with a closed flag that the curve carries for its
// owner. The curve owns its segments: copies are deep.
class LOOMSET_API TnBezierCurve {
 public:
  // No segments; the closed flag is 0.
  TnBezierCurve() = default;

  // The number of segments.
  unsigned long length() const { return segments.length(); }
  // Segment `i`, for 0 <= i < length(); moves the segment list's cursor.
  TnBezier& operator[](int i) const { return segments[static_cast<unsigned int>(i)]; }
  TnList<TnBezier>& getSegments() { return segments; }
  const TnList<TnBezier>& getSegments() const { return segments; }

  int strictIsClosed() const { return closed; }
  void setStrictIsClosed(int value) { closed = value; }

  // Equality and order look at the segments only, not at the closed flag, so that a curve
  // compares equal to what a stream that does not store the flag gives back. The order is
  // lexicographic over the segments, a curve that is a prefix of another being the smaller.
  int operator==(const TnBezierCurve& other) const;
  int operator!=(const TnBezierCurve& other) const { return *this == other ? 0 : 1; }
  int operator<(const TnBezierCurve& other) const;
  int operator>(const TnBezierCurve& other) const { return other < *this; }

 private:
  TnList<TnBezier> segments;
  int closed = 0;
};

LOOMSET_EXTERN_TEMPLATE(TnList<TnBezierCurve>);
