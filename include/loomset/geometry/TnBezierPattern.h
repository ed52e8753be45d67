#pragma once

#include <list>

#include "loomset/Export.h"
#include "loomset/foundation/Tn2DTrans.h"
#include "loomset/foundation/TnBezierCurve.h"
#include "loomset/foundation/TnCoord.h"
#include "loomset/foundation/TnStream.h"
#include "loomset/foundation/TnVector.h"

class TnBezierPattern;

// Placements of a Bezier pattern are plain vectors, without jump flags.
LOOMSET_EXTERN_TEMPLATE(std::list<TnVector<double>>);
LOOMSET_EXTERN_TEMPLATE(std::list<TnBezierPattern>);

// A motif drawn as a chain of cubic Bezier segments, with the reference line along which one
// repeat of it advances. Like a direction pattern it can be mirrored and flipped and laid along a
// span, forwards or backwards; a placement yields the advance of one transformed repeat.
class LOOMSET_API TnBezierPattern {
 public:
  // No segments, reference line (0, 0), neither mirrored nor flipped.
  TnBezierPattern();
  TnBezierPattern(const TnBezierPattern& other);
  TnBezierPattern& operator=(const TnBezierPattern& other);
  virtual ~TnBezierPattern();

  int isMirrored() const { return mirrored; }
  // Toggles the left-right mirror image.
  void mirror() { mirrored = mirrored == 0 ? 1 : 0; }
  int isFlipped() const { return flipped; }
  // Toggles turning the curve over across its advance line.
  void flip() { flipped = flipped == 0 ? 1 : 0; }
  const TnVector<double>& getReferenceLine() const { return referenceLine; }
  const TnBezierCurve& getBezierCurve() const { return curve; }

  // Installs `reference` and a copy of `newCurve`, then closes the curve: when it does not end
  // within 1e-7 of its first point plus `reference`, a straight segment to there is appended.
  // The flags are left alone.
  void setReferenceAndDirections(const TnVector<double>& reference, const TnBezierCurve& newCurve);
  // Installs a copy of `newCurve` with the reference line from its first point to its last, so
  // that a forward placement advances along the span; (1, 0) for a curve without segments.
  void setReferenceAndDirections(const TnBezierCurve& newCurve);

  // Appends to `out` one vector: the advance of the curve laid along the span from `start` to
  // `end` (backwards when `reverse` is non-zero), or the span itself when the curve has no
  // segments or the span no length. Nothing in `out` is removed; `value` goes to the generator.
  virtual void getDirections(const TnCoord<double>& start, const TnCoord<double>& end, int reverse,
                             double value, std::list<TnVector<double>>& out) const;

  // Writes the pattern; the flags are not stored. Returns 1 at the first failing value, writing
  // nothing further, and refuses (1, nothing written) a curve of more than 32767 segments; else 0.
  int write(TnStream& stream) const;
  // Reads a pattern. Returns 2, changing nothing, for a version other than 1; 1 when a value
  // cannot be read, keeping what was read so far (the reference line, the whole segments read,
  // and a closed flag of 0); else 0. The flags keep their values.
  int read(TnStream& stream);

  // Equality looks at the reference line and the curve; the order at the curve only. The flags
  // play no part.
  int operator==(const TnBezierPattern& other) const;
  int operator!=(const TnBezierPattern& other) const;
  int operator<(const TnBezierPattern& other) const { return curve < other.curve; }
  int operator>(const TnBezierPattern& other) const { return curve > other.curve; }

 protected:
  // Appends the advance of the transformed curve: from its first point to its last. `value` is
  // not used.
  virtual void getForwardDirections(const Tn2DTrans& trans, double value,
                                    std::list<TnVector<double>>& out) const;
  // Appends the advance of the transformed curve run backwards: from its last point to its
  // first. `value` is not used.
  virtual void getBackwardDirections(const Tn2DTrans& trans, double value,
                                     std::list<TnVector<double>>& out) const;

  int mirrored;
  int flipped;
  TnVector<double> referenceLine;
  TnBezierCurve curve;

 private:
  // The first control point of the first segment and the last of the last.
  // REQUIRES: the curve has segments.
  TnCoord<double> firstPoint() const { return curve[0][0]; }
  TnCoord<double> lastPoint() const { return curve[static_cast<int>(curve.length()) - 1][3]; }
};
