#pragma once

#include <list>
#include <ostream>
#include <utility>

#include "loomset/Export.h"
#include "loomset/foundation/TnStream.h"
#include "loomset/foundation/TnString.h"
#include "loomset/geometry/TnDirectionPattern.h"

LOOMSET_EXTERN_TEMPLATE(std::list<std::pair<TnString, TnDirectionPattern>>);

// A programmed (or lockstitch) pattern: a name and an ordered description of direction
// patterns, each tagged with a thread identifier.
class LOOMSET_API TnProgrammedPattern {
 public:
  // Pairs of (thread identifier, direction pattern), in stitching order. The thread identifier
  // is free text; two pairs may carry the same one.
  using Description = std::list<std::pair<TnString, TnDirectionPattern>>;

  TnProgrammedPattern();
  // Copying, assigning and destroying are part of what the library exports, so that a host that
  // loads it finds them there.
  TnProgrammedPattern(const TnProgrammedPattern& other);
  TnProgrammedPattern& operator=(const TnProgrammedPattern& other);
  ~TnProgrammedPattern();

  const TnString& getId() const { return name; }
  void rename(const TnString& newName) { name = newName; }

  const Description& getPatternDescription() const { return patternDescription; }
  // Replaces the description by a copy of `description`.
  void setPatternDescription(const Description& description);

  // 1 when both descriptions hold the same thread identifiers and equal direction patterns in
  // the same order; names are not compared.
  int isSamePattern(const TnProgrammedPattern& other) const;

  // Writes the pattern. Returns 1 at the first failing value, writing nothing further, and
  // refuses (1, nothing written) a description of more than 32767 pairs; else 0.
  int write(TnStream* stream);
  // Reads a pattern. Returns 2, changing nothing, for a version other than 1; 1 when a value or
  // a direction pattern fails to read, keeping what was read before it (the name, the pairs
  // read, and a last pair holding its defaults or what its direction pattern read); else 0.
  int read(TnStream* stream);

  // The name, then each pair with its thread identifier, reference line and the motif placed
  // from (0, 0) to (0, 100), then an empty line.
  std::ostream& printTo(std::ostream& out) const;

 private:
  TnString name;
  Description patternDescription;
};
