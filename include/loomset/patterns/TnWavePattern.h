#pragma once

#include <ostream>

#include "loomset/Export.h"
#include "loomset/foundation/TnStream.h"
#include "loomset/foundation/TnString.h"
#include "loomset/geometry/TnBezierPattern.h"

// A wave pattern: a name given to one Bezier pattern, the curve that a stitch run follows along
// its reference line.
class LOOMSET_API TnWavePattern {
 public:
  // An empty name and a Bezier pattern without segments.
  TnWavePattern();
  // Copying, assigning and destroying are part of what the library exports, so that a host that
  // loads it finds them there.
  TnWavePattern(const TnWavePattern& other);
  TnWavePattern& operator=(const TnWavePattern& other);
  ~TnWavePattern();

  const TnString& getId() const { return name; }
  void rename(const TnString& newName) { name = newName; }

  const TnBezierPattern& getPattern() const { return pattern; }
  // Replaces the Bezier pattern by a copy of `newPattern`; the name stays.
  void setPattern(const TnBezierPattern& newPattern) { pattern = newPattern; }

  // 1 when the Bezier patterns are equal (reference line and curve); names are not compared.
  int isSamePattern(const TnWavePattern& other) const { return pattern == other.pattern; }

  // Writes the pattern. Returns 1, writing nothing further, when the version or the name cannot
  // be written or the stream is null; else what the Bezier pattern's write returns.
  int write(TnStream* stream);
  // Reads a pattern. Returns 2, changing nothing, for a version other than 1; 1 when a value or
  // the Bezier pattern fails to read, keeping what was read before (the name, and what the Bezier
  // pattern kept); else 0.
  int read(TnStream* stream);

  // The name, the reference line, then one line of four control points per segment, then an
  // empty line.
  std::ostream& printTo(std::ostream& out) const;

 private:
  TnString name;
  TnBezierPattern pattern;
};
