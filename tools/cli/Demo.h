#pragma once

#include <ostream>
#include <string>

namespace loomset::tool {

// Loads the built-in catalogue, opens a sample design whose patterns clash with it, writes every
// manager's records to a stream file in `directory` (created when missing), reads them back and
// compares them, draws catalogue.svg there (one scale in each manager's section, tiles in a 3 x 3
// tiling), and prints a summary to `out`. Returns the exit status: 0 only when every file was
// written and read back unchanged.
int runDemo(const std::string& directory, std::ostream& out, std::ostream& err);

}  // namespace loomset::tool
