#pragma once

#include <list>
#include <ostream>

#include "loomset/Export.h"
#include "loomset/foundation/TnEmbPoint.h"
#include "loomset/foundation/TnList.h"
#include "loomset/foundation/TnPercent.h"
#include "loomset/foundation/TnStream.h"
#include "loomset/foundation/TnString.h"

// A fill-stitch pattern: a name, a stitch length and a row of offsets in percent. A pattern
// without offsets is a random fill.
class LOOMSET_API TnFillPattern {
 public:
  TnFillPattern();
  // Copying, assigning and destroying are part of what the library exports, so that a host that
  // loads it finds them there.
  TnFillPattern(const TnFillPattern& other);
  TnFillPattern& operator=(const TnFillPattern& other);
  ~TnFillPattern();

  // Sets the name, the stitch length and the offsets: `offsetCount` bytes of `offsetBytes`, each
  // an unsigned percentage, unless the first byte is 'o', which makes the pattern random. A null
  // `offsetBytes` makes it random too. Returns 1, changing nothing, when the pattern already
  // holds offsets; else 0.
  int init(const TnString& name, short lengthValue, short offsetCount,
           const unsigned char* offsetBytes);
  // Sets the name and the stitch length only. Returns 1, changing nothing, when the pattern
  // already holds offsets; else 0.
  int init(const TnString& name, short lengthValue);

  const TnString& getId() const { return name; }
  void rename(TnString& newName) { name = newName; }
  double getStitchLength() const { return stitchLength.value(); }
  int isRandom() const { return offsets.length() == 0 ? 1 : 0; }

  // The offsets as fractions p / 100, each clamped to [0, 1].
  std::list<double> getOldOffsets() const;
  // As getOldOffsets, but the offsets at odd positions count from the other side: 1 - p / 100.
  std::list<double> getOffsets() const;

  // 1 when the stitch lengths and the offsets are equal; names are not compared.
  int isSamePattern(const TnFillPattern& other) const;

  // Writes the pattern. Returns 1 at the first failing value, writing nothing further, and
  // refuses (1, nothing written) a pattern of more than 32767 offsets; else 0.
  int write(TnStream* stream);
  // Reads a pattern, appending its offsets to those held already. The version is not examined.
  // Returns 1 at the first failing value, keeping what was read before it; else 0.
  int read(TnStream* stream);

  std::ostream& printTo(std::ostream& out) const;

 private:
  TnString name;
  TnEmbPoint stitchLength;
  TnList<TnPercent> offsets;
};
