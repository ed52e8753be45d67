#pragma once

#include <cstdlib>
#include <string>

namespace loomset::test {

// True when the file at `path` parses as XML with an <svg> root (checked by Python's parser).
inline bool parsesAsSvg(const std::string& path) {
  const std::string command =
      "python3 -c 'import sys, xml.etree.ElementTree as E; "
      "sys.exit(0 if E.parse(sys.argv[1]).getroot().tag.endswith(\"svg\") else 1)' '" +
      path + "'";
  return std::system(command.c_str()) == 0;
}

}  // namespace loomset::test
