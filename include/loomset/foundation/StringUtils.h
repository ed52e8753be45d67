#pragma once

#include <cstddef>

#include "loomset/Export.h"

struct LOOMSET_API StringUtils {
  // Copies the text of `src` up to its terminating zero, at most `n` bytes, into `dst` and
  // terminates it; `dst` must hold n + 1 bytes. Returns `dst`. A null `src` copies nothing.
  static char* copyString(char* dst, const char* src, std::size_t n);
};
