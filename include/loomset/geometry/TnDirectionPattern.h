#pragma once

#include <list>
#include <utility>

#include "loomset/Export.h"
#include "loomset/foundation/Tn2DTrans.h"
#include "loomset/foundation/TnCoord.h"
#include "loomset/foundation/TnStream.h"
#include "loomset/foundation/TnVector.h"

// Motifs and their placements are lists of (displacement, jump flag) entries.
LOOMSET_EXTERN_TEMPLATE(std::list<std::pair<TnVector<double>, int>>);

// A stitch motif: a run of displacement vectors, each a stitch (flag 0) or a jump (non-zero
// flag), that the needle follows from a start point, and the reference line along which the
// motif advances. The motif can be laid along a span, forwards or backwards, mirrored or
// flipped; it keeps its bounding box and the last placements beside it.
class LOOMSET_API TnDirectionPattern {
 public:
  // A displacement vector and its jump flag, in the order the needle follows them.
  using Directions = std::list<std::pair<TnVector<double>, int>>;

  // The one-stitch motif ((1, 0), 0) advancing along (1, 0), neither mirrored nor flipped.
  TnDirectionPattern();
  // Copies the motif, its flags, reference line and box; the placement caches start empty.
  TnDirectionPattern(const TnDirectionPattern& other);
  // Assigns everything, the placement caches included.
  TnDirectionPattern& operator=(const TnDirectionPattern& other);
  ~TnDirectionPattern();

  // 1 when the last vector of one repeat and the first of the next run straight on through the
  // end point, so that the end point can be left out between repeats.
  int isSkipEndPoint() const { return skipEndPoint; }
  int isMirrored() const { return mirrored; }
  // Toggles the left-right mirror image.
  void mirror() { mirrored = mirrored == 0 ? 1 : 0; }
  int isFlipped() const { return flipped; }
  // Toggles turning the motif over across its advance line.
  void flip() { flipped = flipped == 0 ? 1 : 0; }
  const TnVector<double> getReferenceLine() const { return referenceLine; }
  // The motif in its own frame.
  const Directions& getForwardDirections() const { return directions; }
  // 1 when some entry is a jump.
  int isContainJump() const;

  // Writes the motif in the newest format. Returns 1 at the first failing value, and refuses
  // (1, nothing written) a motif of more than 32767 entries; jump flags beyond the 16-bit range
  // are stored as -32768 or 32767. Else 0.
  int write(TnStream& stream) const;
  // Reads a motif of any known format version, decides whether its end point can be skipped and
  // turns it into normal position (end point on the positive x-axis). Returns 2, having consumed
  // only the version, for an unknown version; 1 when a value cannot be read, keeping the entries
  // read so far, or when the end point or a turned vector is not finite, keeping the entries as
  // read; the box is recomputed only on success (0). Flags and caches are left alone.
  int read(TnStream& stream);
  // What read gives a default-constructed pattern, result and partial effects alike, read into
  // this one, whose memory is reused: a record that holds many motifs reads new ones over its old
  // ones without allocating for them again.
  int readAsNew(TnStream& stream);

  // Equality and order look at the motif's entries only (vector, then flag, lexicographically);
  // reference line, flags, box and caches play no part.
  int operator==(const TnDirectionPattern& other) const;
  int operator!=(const TnDirectionPattern& other) const;
  int operator<(const TnDirectionPattern& other) const;
  int operator>(const TnDirectionPattern& other) const;

  // Rebuilds the entries so that each vector after the first differs from the first by `factor`
  // times its old difference, then recomputes the box. Leaves motifs of fewer than two entries
  // and factors of 1 alone.
  void scalePattern(double factor);
  // Scales the motif so that its start-to-end distance (its box width for a closed motif)
  // becomes `size`, times `xScale` along x and `yScale` across; zero arguments stand for 40, 1
  // and 1. With `extendToBox`, first adds a straight lead-in from the left side of the box and a
  // run-out to the right side where the motif overhangs its ends. A motif without extent becomes
  // one stitch of `xScale` * `size`; one without width is only extended.
  void scalePatternByPercentage(double xScale, double yScale, double size, int extendToBox);
  // The width and height that scalePatternByPercentage(1, 1, size, extendToBox) would give the
  // box of the needle points after the start; `size` for both when that box has no width or no
  // height. The motif is unchanged; the box is recomputed.
  void scalePatternAndGetSize(double& width, double& height, double size, int extendToBox) const;

  // Appends to `out` the motif laid along the span from `start` to `end` (backwards when
  // `reverse` is non-zero), in needle order. An empty motif or a span of no length appends the
  // single entry (span, last jump flag). Nothing in `out` is removed.
  void getDirections(const TnCoord<double>& start, const TnCoord<double>& end, int reverse,
                     Directions& out) const;
  // As above, into the forward or the backward cache (the other one is emptied); the reference
  // stays valid while the pattern lives, its contents change with the next placement, the next
  // setReferenceAndDirections or an assignment.
  const Directions& getDirections(const TnCoord<double>& start, const TnCoord<double>& end,
                                  int reverse);
  // Installs `motif`, closed with a last entry that ends it at the end of `reference`, decides
  // whether the end point can be skipped, turns everything into normal position, empties the
  // caches and recomputes the box.
  void setReferenceAndDirections(const TnVector<double>& reference, const Directions& motif);
  // As above, with the motif's own end point as the reference line (nothing is closed).
  void setReferenceAndDirections(const Directions& motif);

  // The box corners relative to the start point; with `reverse` the x extent is read from the
  // other end.
  void getLLURwrtRef(int reverse, TnVector<double>& ll, TnVector<double>& ur) const;
  // The corners of the box laid along the span from `start` to `end`: corner1 and corner4 are
  // the lower-left and upper-right, corner2 (left, top) and corner3 (right, bottom). When start
  // and end coincide only corner1 and corner4 are set, unturned.
  void getBoundingBox(const TnCoord<double>& start, const TnCoord<double>& end, int reverse,
                      TnCoord<double>& corner1, TnCoord<double>& corner2, TnCoord<double>& corner3,
                      TnCoord<double>& corner4) const;

 protected:
  // Appends trans * v for each entry, first to last.
  void getForwardDirections(const Tn2DTrans& trans, Directions& out) const;
  // Appends trans * -v for each entry, last to first; each flag stays with its vector.
  void getBackwardDirections(const Tn2DTrans& trans, Directions& out) const;
  // Recomputes the box over the start point and every needle point; with `clipToSpan` its x
  // extent runs from the start point to the end point instead.
  void setupBBoxData(int clipToSpan) const;

  int skipEndPoint;
  int mirrored;
  int flipped;
  TnVector<double> referenceLine;
  Directions directions;
  mutable TnVector<double> lowerLeft;
  mutable TnVector<double> upperRight;
  TnVector<double> cachedSpan;
  Directions cachedForward;
  Directions cachedBackward;

 private:
  // read(stream); `reachedEntries` tells whether the count was read, after which the entries are
  // the ones read.
  int readMotif(TnStream& stream, bool& reachedEntries);
  // Writes the placement over `out` from `at` on (appending past its end); returns the position
  // after the last entry written.
  Directions::iterator placeOver(const TnCoord<double>& start, const TnCoord<double>& end,
                                 int reverse, Directions& out, Directions::iterator at) const;
  Directions::iterator generateOver(const Tn2DTrans& trans, int backward, Directions& out,
                                    Directions::iterator at) const;
  // Decides skipEndPoint for a motif ending at `end` and turns the motif into normal position.
  // Returns 1, changing nothing, when `end` or a turned vector is not finite; else 0.
  int settleMotif(const TnCoord<double>& end);
  // settleMotif, then empties the caches and recomputes the box.
  void installMotif(const TnCoord<double>& end);
};

LOOMSET_EXTERN_TEMPLATE(std::list<TnDirectionPattern>);
