#pragma once

#include <cstdlib>
#include <string>

namespace loomset::test {

// True when the file at `path` parses as XML with an SVG root element (checked by Python's
// parser).
inline bool parsesAsSvg(const std::string& path) {
  const std::string command =
      "python3 -c 'import sys, xml.etree.ElementTree as E; "
      "sys.exit(E.parse(sys.argv[1]).getroot().tag != \"{http://www.w3.org/2000/svg}svg\")' '" +
      path + "'";
  return std::system(command.c_str()) == 0;
}

}  // namespace loomset::test
