#pragma once

#include <cstddef>

#include "loomset/foundation/TnStream.h"

namespace loomset::detail {

// How the typed values get past a stream's calls: its read window, and whether it takes a
// record's values in one write.
class StreamAccess {
 public:
  // The next `size` bytes in the read window, or null when the window holds fewer.
  static const unsigned char* window(const TnStream& stream, std::size_t size) {
    return static_cast<std::size_t>(stream.readEnd_ - stream.readNext_) >= size ? stream.readNext_
                                                                                : nullptr;
  }
  // Consumes `size` bytes that window() has just shown.
  static void consume(TnStream& stream, std::size_t size) { stream.readNext_ += size; }
  static bool takesWholeRecords(const TnStream& stream) { return stream.takesWholeRecords_; }
};

}  // namespace loomset::detail
