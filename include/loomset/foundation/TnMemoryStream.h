#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "loomset/Export.h"
#include "loomset/foundation/TnStream.h"

// A stream over bytes in memory: writes append at the end, reads consume from a read position
// that starts at the first byte. The unread bytes are its read window and the room after the
// written ones its write window.
class LOOMSET_API TnMemoryStream final : public TnStream {
 public:
  // Empty and unbounded.
  TnMemoryStream() = default;
  // Reads `bytes` from the start.
  explicit TnMemoryStream(std::vector<unsigned char> bytes);

  int writeBytes(const void* data, std::size_t size) override;
  int readBytes(void* data, std::size_t size) override;
  int peekBytes(void* data, std::size_t size) override;

  // Every later write that would take the total size past `limit` bytes fails.
  void setWriteLimit(std::size_t limit);
  // Empties the stream and rewinds it; its memory is kept for the next writes, and the write
  // limit stays.
  void clear() { show(0, 0); }
  // Makes room for `total` bytes in all, so that writes up to that size allocate nothing more.
  // The bytes and the read position stay as they are.
  void reserve(std::size_t total);
  // The bytes written; the room after them is given back to the vector's spare capacity.
  const std::vector<unsigned char>& bytes();
  std::size_t size() const { return static_cast<std::size_t>(writeWindowNext() - bytes_.data()); }
  std::size_t readPosition() const {
    return static_cast<std::size_t>(readWindowNext() - bytes_.data());
  }
  void rewind() { show(0, size()); }

 private:
  // Shows the bytes from `position` to `size` as the read window, and the room after `size` up to
  // the write limit as the write window; called whenever either may have moved.
  void show(std::size_t position, std::size_t size);

  // The bytes written, then room for more.
  std::vector<unsigned char> bytes_;
  std::size_t writeLimit_ = SIZE_MAX;
};
