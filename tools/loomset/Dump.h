#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace loomset::tool {

// The record families that `dump` reads.
const std::vector<std::string>& dumpFamilies();

// Prints every record of the stream file at `path`, read as `family`, to `out`. A record that
// does not read whole prints nothing and gives one line on `err` naming the file, the record,
// its byte offset and the reason. Returns the exit status: 0, or 1 for a bad record or a file
// that cannot be read.
int runDump(const std::string& family, const std::string& path, std::ostream& out,
            std::ostream& err);

}  // namespace loomset::tool
