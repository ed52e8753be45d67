#pragma once

#include <cstddef>

#include "loomset/foundation/TnStream.h"

namespace loomset::detail {

// The typed readers' access to a stream's read window.
class StreamWindow {
 public:
  // The next `size` bytes in the window, or null when the window holds fewer.
  static const unsigned char* bytes(const TnStream& stream, std::size_t size) {
    return static_cast<std::size_t>(stream.readEnd_ - stream.readNext_) >= size ? stream.readNext_
                                                                                : nullptr;
  }
  // Consumes `size` bytes that bytes() has just shown.
  static void consume(TnStream& stream, std::size_t size) { stream.readNext_ += size; }
};

}  // namespace loomset::detail
