#pragma once

#include <cstddef>
#include <ostream>
#include <string>

namespace loomset::tool {

// A stream file of records back to back, and the family to read it as: the one named, or, when
// `family` is empty, the only family as whose records the whole file reads.
struct FileOptions {
  std::string family;
  std::string path;
};

// Prints every record of the file: a heading line with the count and the family, then each
// record after a line giving its place, offset and size. By default a record that holds motifs
// shows each one as a motif file's record does (in its own frame, with its jump flags); with
// `recordText` every record prints its own diagnostic text instead. Names are printed readably
// and safely. A record that does not read whole gives one line on `err` naming the file, the
// record, its offset and the reason, and the families that read the whole file, if any. Returns
// the exit status: 0; 1 for a bad record, or a file that no family or more than one reads whole;
// 2 for an unknown family.
int runDump(const FileOptions& file, bool recordText, std::ostream& out, std::ostream& err);

struct RenderOptions {
  std::string svgPath;
  // Only the records with this title (name, or "record N" for a motif); all when empty.
  std::string only;
  // At most this many panels, the first ones.
  std::size_t first = 60;
  bool oneScale = false;
  bool tile = false;
};

// Draws a preview of the file's records (see PreviewSheet) to the SVG file, each titled with its
// name, and says on `out` and on the sheet how many of how many were drawn. A bad record is
// reported as by runDump and no picture is written. Returns the exit status as runDump does.
int runRender(const FileOptions& file, const RenderOptions& options, std::ostream& out,
              std::ostream& err);

}  // namespace loomset::tool
