#pragma once

#include <fstream>
#include <iterator>
#include <ostream>
#include <string>
#include <vector>

#include "loomset/patterns/RecordFile.h"

namespace loomset::tool {

// The one line that tells what `command` found wrong in the file at `path`.
inline void reportFailure(std::ostream& err, const char* command, const std::string& path,
                          const ReadFailure& failure) {
  err << "loomset " << command << ": " << path << ": record " << failure.record << " at byte "
      << failure.offset << ": " << failure.reason << std::endl;
}

// The file's bytes; false when it cannot be read.
inline bool readFile(const std::string& path, std::vector<unsigned char>& bytes) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  return !in.bad();
}

}  // namespace loomset::tool
