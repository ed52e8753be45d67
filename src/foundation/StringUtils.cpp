#include "loomset/foundation/StringUtils.h"

char* StringUtils::copyString(char* dst, const char* src, std::size_t n) {
  std::size_t i = 0;
  if (src != nullptr) {
    for (; i < n && src[i] != '\0'; ++i) dst[i] = src[i];
  }
  dst[i] = '\0';
  return dst;
}
