// A short tour of Loomset as a host uses it: a pattern stored library-wide and looked up, a
// design's clashing pattern renamed, a record written and read back, a motif laid along a span.
#include <loomset/loomset.h>

#include <cstdio>

// The host's own design: the library only keeps its address.
class TnDesign {};

int main() {
  // Add a pattern to the library-wide scope (the null design) and look it up.
  TnFillPattern brick;
  const unsigned char offsets[] = {0, 50};
  brick.init("Brick", 30, 2, offsets);
  gFillManager.addPattern(nullptr, brick);  // 0: stored, 2: name taken library-wide
  const TnFillPattern* found = gFillManager.lookup("Brick");

  // A design's pattern whose name clashes with a different library-wide one is renamed.
  TnDesign design;
  TnFillPattern incoming;
  incoming.init("Brick", 40);  // another stitch length: a different pattern
  gFillManager.setDesign(&design);
  gFillManager.addPatternAndRename(&design, incoming);
  // Names are single bytes: the renaming suffix is a space, the byte 0xBB (octal 273) and a
  // digit. The tool shows it as "Brick »1", but a UTF-8 "»" in a literal does not name it.
  const TnFillPattern* renamed = gFillManager.lookup("Brick \2731");

  // Write a record to a stream and read it back.
  TnMemoryStream stream;
  brick.write(&stream);  // 0 on success, 1 at the first failure
  TnFillPattern copy;
  copy.read(&stream);  // 0, 1 (truncated) or 2 (unknown version)

  // Place a motif: a zigzag advancing 4 units along x, laid from (0, 0) to (0, 20).
  TnDirectionPattern zigzag;
  zigzag.setReferenceAndDirections(TnVector<double>(4, 0),
                                   {{TnVector<double>(2, 1), 0}, {TnVector<double>(2, -1), 0}});
  TnDirectionPattern::Directions placed;
  zigzag.getDirections(TnCoord<double>(0, 0), TnCoord<double>(0, 20), 0, placed);
  // placed holds ((-1, 2), 0) and ((1, 2), 0): one repeat turned onto the span, each vector with
  // its jump flag (0: a stitch), in needle order. The motif is laid once, whatever the span's
  // length; a host lays the next repeat from where this one ends.

  const bool asTold = found != nullptr && renamed != nullptr &&
                      renamed->getStitchLength() == 40.0 && copy.isSamePattern(brick) == 1 &&
                      placed.size() == 2 && placed.front().first == TnVector<double>(-1, 2) &&
                      placed.back().first == TnVector<double>(1, 2);

  // The design is closed: its table goes, and with it what `renamed` points to.
  gFillManager.removeFillPatterns(&design);
  gFillManager.setDesign(nullptr);

  std::printf("tour: %s\n", asTold ? "every result as told" : "a result differs from the comments");
  return asTold ? 0 : 1;
}
