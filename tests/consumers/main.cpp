// A host built against Loomset, installed or as a subdirectory: the exported names link and
// behave.
#include <loomset/loomset.h>

#include <sstream>

int main() {
  TnFillPattern pattern;
  const unsigned char offsets[] = {25, 50};
  if (pattern.init("Consumer", 30, 2, offsets) != 0) return 1;
  TnMemoryStream stream;
  if (pattern.write(&stream) != 0) return 1;
  TnFillPattern copy;
  if (copy.read(&stream) != 0 || copy.isSamePattern(pattern) != 1) return 1;
  std::ostringstream text;
  copy.printTo(text);
  return text.str().find("Consumer") == std::string::npos ? 1 : 0;
}
