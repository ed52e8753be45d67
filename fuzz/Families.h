#pragma once

// How the oracle compares the records of each family.

#include <cfloat>
#include <cmath>

#include "RecordOracle.h"

namespace loomset::fuzz {

// Writing rounds a coordinate to single precision.
inline double rounded(double value) { return static_cast<double>(static_cast<float>(value)); }

inline bool beyondSingle(const TnCoord<double>& p) {
  return beyondSingle(p.xval()) || beyondSingle(p.yval());
}

// Calls `visit` on every control point of `curve`.
template <class Visit>
void forEachPoint(const TnBezierCurve& curve, Visit visit) {
  for (unsigned int i = 0; i < curve.length(); ++i)
    for (int k = 0; k < 4; ++k) visit(curve[static_cast<int>(i)][k]);
}

// b holds a's points as single precision rounds them.
inline bool roundedCurve(const TnBezierCurve& a, const TnBezierCurve& b) {
  if (a.length() != b.length()) return false;
  for (unsigned int i = 0; i < a.length(); ++i)
    for (int k = 0; k < 4; ++k) {
      const TnCoord<double>& p = a[static_cast<int>(i)][k];
      const TnCoord<double>& q = b[static_cast<int>(i)][k];
      if (rounded(p.xval()) != q.xval() || rounded(p.yval()) != q.yval()) return false;
    }
  return true;
}

struct Fill {
  static constexpr const char* kName = "fill";
  static bool same(const TnFillPattern& a, const TnFillPattern& b) {
    return a.getId() == b.getId() && a.isSamePattern(b) == 1 && b.isSamePattern(a) == 1;
  }
  static bool close(const TnFillPattern& a, const TnFillPattern& b) { return same(a, b); }
  static bool beyondSingle(const TnFillPattern&) { return false; }
  static bool exact(const TnFillPattern&) { return true; }
};

struct Bezier {
  static constexpr const char* kName = "bezier";
  static bool same(const TnBezierPattern& a, const TnBezierPattern& b) {
    return a == b && a.getBezierCurve().strictIsClosed() == b.getBezierCurve().strictIsClosed() &&
           a.isMirrored() == b.isMirrored() && a.isFlipped() == b.isFlipped();
  }
  static bool close(const TnBezierPattern& a, const TnBezierPattern& b) { return same(a, b); }
  static bool beyondSingle(const TnBezierPattern&) { return false; }
  static bool exact(const TnBezierPattern&) { return true; }
};

struct Wave {
  static constexpr const char* kName = "wave";
  static bool same(const TnWavePattern& a, const TnWavePattern& b) {
    return a.getId() == b.getId() && Bezier::same(a.getPattern(), b.getPattern());
  }
  static bool close(const TnWavePattern& a, const TnWavePattern& b) { return same(a, b); }
  static bool beyondSingle(const TnWavePattern&) { return false; }
  static bool exact(const TnWavePattern&) { return true; }
};

struct Vector {
  static constexpr const char* kName = "vector";
  static bool same(const TnVectorPattern& a, const TnVectorPattern& b) {
    return a.getId() == b.getId() && a.isSamePattern(b) == 1;
  }
  // Version-1 points are read in double precision and written in single.
  static bool close(const TnVectorPattern& a, const TnVectorPattern& b) {
    if (!(a.getId() == b.getId()) || a.getDimension() != b.getDimension()) return false;
    const TnList<TnBezierCurve>& mine = a.getCurves();
    const TnList<TnBezierCurve>& theirs = b.getCurves();
    if (mine.length() != theirs.length()) return false;
    for (unsigned int i = 0; i < mine.length(); ++i)
      if (!roundedCurve(mine[i], theirs[i])) return false;
    return true;
  }
  static bool beyondSingle(const TnVectorPattern& a) {
    bool beyond = false;
    const TnList<TnBezierCurve>& curves = a.getCurves();
    for (unsigned int i = 0; i < curves.length(); ++i)
      forEachPoint(curves[i],
                   [&](const TnCoord<double>& p) { beyond = beyond || fuzz::beyondSingle(p); });
    return beyond;
  }
  static bool exact(const TnVectorPattern& a) {
    bool exact = true;
    const TnList<TnBezierCurve>& curves = a.getCurves();
    for (unsigned int i = 0; i < curves.length(); ++i)
      forEachPoint(curves[i], [&](const TnCoord<double>& p) {
        exact = exact && rounded(p.xval()) == p.xval() && rounded(p.yval()) == p.yval();
      });
    return exact;
  }
};

struct Direction {
  static constexpr const char* kName = "direction";
  static bool same(const TnDirectionPattern& a, const TnDirectionPattern& b) {
    return a == b && a.getReferenceLine() == b.getReferenceLine() &&
           a.isSkipEndPoint() == b.isSkipEndPoint() && a.isMirrored() == b.isMirrored() &&
           a.isFlipped() == b.isFlipped();
  }
  // Reading turns a motif so that it ends on the positive x-axis. The motif written is rounded to
  // single precision, which moves each entry by about 2^-24 of its size, or by up to FLT_MIN
  // where it is smaller than the smallest normal float, and reading it turns it by that much
  // again: entries may move by that much over the distance from start to end, times the size.
  static bool close(const TnDirectionPattern& a, const TnDirectionPattern& b) {
    const TnDirectionPattern::Directions& mine = a.getForwardDirections();
    const TnDirectionPattern::Directions& theirs = b.getForwardDirections();
    if (mine.size() != theirs.size()) return false;
    double size = 0.0;
    TnVector<double> end;
    for (const auto& entry : mine) {
      size += entry.first.length() + FLT_MIN;
      end += entry.first;
    }
    const double reach = end.length();
    if (!std::isfinite(size)) return true;
    // A motif that does not reach away from its start has no direction to be turned to.
    const double tolerance = mine.empty()  ? 0.0
                             : reach > 0.0 ? 1e-5 * size * std::fmax(1.0, size / reach)
                                           : HUGE_VAL;
    auto theirsAt = theirs.begin();
    for (const auto& entry : mine) {
      if (entry.second != theirsAt->second) return false;
      if (!((entry.first - theirsAt->first).length() <= tolerance)) return false;
      ++theirsAt;
    }
    return true;
  }
  static bool beyondSingle(const TnDirectionPattern& a) {
    if (fuzz::beyondSingle(
            TnCoord<double>(a.getReferenceLine().xval(), a.getReferenceLine().yval())))
      return true;
    for (const auto& entry : a.getForwardDirections())
      if (fuzz::beyondSingle(TnCoord<double>(entry.first.xval(), entry.first.yval()))) return true;
    return false;
  }
  static bool exact(const TnDirectionPattern&) { return false; }
};

struct Programmed {
  static constexpr const char* kName = "programmed";
  static bool same(const TnProgrammedPattern& a, const TnProgrammedPattern& b) {
    return a.getId() == b.getId() && a.isSamePattern(b) == 1;
  }
  static bool close(const TnProgrammedPattern& a, const TnProgrammedPattern& b) {
    const TnProgrammedPattern::Description& mine = a.getPatternDescription();
    const TnProgrammedPattern::Description& theirs = b.getPatternDescription();
    if (!(a.getId() == b.getId()) || mine.size() != theirs.size()) return false;
    auto theirsAt = theirs.begin();
    for (const auto& pair : mine) {
      if (!(pair.first == theirsAt->first) || !Direction::close(pair.second, theirsAt->second))
        return false;
      ++theirsAt;
    }
    return true;
  }
  static bool beyondSingle(const TnProgrammedPattern& a) {
    for (const auto& pair : a.getPatternDescription())
      if (Direction::beyondSingle(pair.second)) return true;
    return false;
  }
  static bool exact(const TnProgrammedPattern&) { return false; }
};

}  // namespace loomset::fuzz
