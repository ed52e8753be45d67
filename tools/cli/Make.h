#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace loomset::tool {

// Makes a direction pattern of `steps` ("X,Y" a stitch, "X,Y:jump" a jump) with the reference
// line "X,Y" (the motif's own end point when `reference` is empty), as the library installs a
// motif (closed, turned into normal position), writes it with the library's own write to the
// stream file at `path`, and dumps the file. Returns the exit status: 0; 1 when the file cannot
// be written; 2 for a step or reference line that does not parse.
int runMakeDirection(const std::vector<std::string>& steps, const std::string& reference,
                     const std::string& path, std::ostream& out, std::ostream& err);

// Makes a programmed pattern named `name` of the motifs of direction-pattern files, given as
// "THREAD=FILE" (each motif of FILE with the thread identifier THREAD, in order), writes it to the
// stream file at `path` and dumps the file. Names are taken as readableName shows them. Returns
// the exit status: 0; 1 when a motif file does not read whole or the file cannot be written; 2 for
// an argument without "=".
int runMakeProgrammed(const std::string& name, const std::vector<std::string>& threads,
                      const std::string& path, std::ostream& out, std::ostream& err);

}  // namespace loomset::tool
