#pragma once

#include <fstream>
#include <iterator>
#include <ostream>
#include <string>
#include <vector>

#include "cli/PreviewSheet.h"
#include "loomset/patterns/RecordFile.h"

namespace loomset::tool {

// The one line that tells what `command` found wrong in the file at `path`, and `hint` after it.
inline void reportFailure(std::ostream& err, const char* command, const std::string& path,
                          const ReadFailure& failure, const std::string& hint = std::string()) {
  err << "loomset " << command << ": " << path << ": record " << failure.record << " at byte "
      << failure.offset << ": " << failure.reason << hint << std::endl;
}

// The file's bytes; false when it cannot be read.
inline bool readFile(const std::string& path, std::vector<unsigned char>& bytes) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  return !in.bad();
}

// Writes the sheet to the SVG file at `path`; false, with the reason told on `err`, when it
// cannot be written.
inline bool writeSheet(const PreviewSheet& sheet, const std::string& path, const char* command,
                       std::ostream& err) {
  std::ofstream picture(path);
  sheet.write(picture);
  picture.close();
  if (picture) return true;
  err << "loomset " << command << ": " << path << ": cannot be written" << std::endl;
  return false;
}

}  // namespace loomset::tool
