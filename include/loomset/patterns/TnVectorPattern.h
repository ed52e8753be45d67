#pragma once

#include <ostream>

#include "loomset/Export.h"
#include "loomset/foundation/TnBezierCurve.h"
#include "loomset/foundation/TnList.h"
#include "loomset/foundation/TnStream.h"
#include "loomset/foundation/TnString.h"
#include "loomset/foundation/TnVector.h"

// A vector pattern: a name, an integer dimension and an ordered set of Bezier curves, owned by
// value.
class LOOMSET_API TnVectorPattern {
 public:
  // Empty name, dimension (0, 0), no curves.
  TnVectorPattern();
  // Copying, assigning and destroying are part of what the library exports, so that a host that
  // loads it finds them there.
  TnVectorPattern(const TnVectorPattern& other);
  TnVectorPattern& operator=(const TnVectorPattern& other);
  ~TnVectorPattern();

  const TnString& getId() const { return name; }
  void rename(const TnString& newName) { name = newName; }

  const TnVector<int>& getDimension() const { return dimension; }
  void setDimension(TnVector<int> newDimension) { dimension = newDimension; }

  const TnList<TnBezierCurve>& getCurves() const { return curves; }
  // The curves, for the caller to change in place.
  TnList<TnBezierCurve>& getCurves() { return curves; }

  // 1 when the dimensions are equal and the curves are equal in order; names are not compared.
  int isSamePattern(const TnVectorPattern& other) const;

  // Writes the pattern with single-precision control points. Returns 1 at the first failing
  // value, writing nothing further (a count beyond the signed 32-bit range is such a value, as
  // is a control point beyond the single-precision range); else 0.
  int write(TnStream* stream);
  // Reads a pattern written with single- or double-precision control points and appends its
  // curves after those already held. Returns 2, changing nothing, for an unknown version; 1 when
  // a value cannot be read, keeping what was read before it (the name, the dimension's values and
  // the curves read whole) and dropping the curve being read; else 0. A count of zero or less
  // reads no curves, or no segments.
  int read(TnStream* stream);

  // The name, the dimension, each curve with its segments' control points one segment to a
  // line, then an empty line.
  std::ostream& printTo(std::ostream& out) const;

 private:
  TnString name;
  TnVector<int> dimension;
  TnList<TnBezierCurve> curves;
};
