#pragma once

#include <cmath>

#include "loomset/foundation/TnCoord.h"
#include "loomset/foundation/TnVector.h"

// Tolerance tests: each answers non-zero when true. A NaN is never within any tolerance.

inline int IS_ZERO(double x, double tol) { return std::fabs(x) <= tol ? 1 : 0; }

inline int IS_EQUAL(double a, double b, double tol) { return std::fabs(a - b) <= tol ? 1 : 0; }

// Each coordinate within `tol`.
inline int isEqual(const TnCoord<double>& p, const TnCoord<double>& q, double tol) {
  return IS_EQUAL(p.xval(), q.xval(), tol) && IS_EQUAL(p.yval(), q.yval(), tol) ? 1 : 0;
}

inline int isEqual(const TnVector<double>& p, const TnVector<double>& q, double tol) {
  return IS_EQUAL(p.xval(), q.xval(), tol) && IS_EQUAL(p.yval(), q.yval(), tol) ? 1 : 0;
}

// The names are parenthesised so that hosts whose platform headers define min and max as
// macros can still include this header.
inline double(min)(double a, double b) { return b < a ? b : a; }
inline double(max)(double a, double b) { return a < b ? b : a; }
