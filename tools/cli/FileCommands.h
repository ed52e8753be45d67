#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace loomset::tool {

// The record families that a stream file can hold, by the names the commands take.
const std::vector<std::string>& recordFamilies();

// Prints every record of the stream file at `path`, read as `family`, to `out`. A record that
// does not read whole prints nothing and gives one line on `err` naming the file, the record,
// its byte offset and the reason. Returns the exit status: 0, or 1 for a bad record or a file
// that cannot be read.
int runDump(const std::string& family, const std::string& path, std::ostream& out,
            std::ostream& err);

// Draws a preview of every record of the stream file at `path`, read as `family`, labelled with
// its name, to the SVG file `svgPath`, and says so on `out`. A bad record is reported as by
// runDump and no picture is written. Returns the exit status: 0, or 1.
int runRender(const std::string& family, const std::string& path, const std::string& svgPath,
              std::ostream& out, std::ostream& err);

}  // namespace loomset::tool
