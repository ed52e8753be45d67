#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "loomset/Export.h"
#include "loomset/foundation/TnStream.h"

// A stream over a byte vector in memory: writes append at the end, reads consume from a read
// position that starts at the first byte. All unread bytes form the read window, and as writes
// are refused only past the write limit, records come in whole.
class LOOMSET_API TnMemoryStream final : public TnStream {
 public:
  // Empty and unbounded.
  TnMemoryStream() { setTakesWholeRecords(true); }
  // Reads `bytes` from the start.
  explicit TnMemoryStream(std::vector<unsigned char> bytes);

  int writeBytes(const void* data, std::size_t size) override;
  int readBytes(void* data, std::size_t size) override;
  int peekBytes(void* data, std::size_t size) override;

  // Every later write that would take the total size past `limit` bytes fails.
  void setWriteLimit(std::size_t limit) { writeLimit_ = limit; }
  // Empties the stream and rewinds it; its memory is kept for the next writes, and the write
  // limit stays.
  void clear() {
    bytes_.clear();
    showFrom(0);
  }
  // Makes room for `total` bytes in all, so that writes up to that size allocate nothing more.
  // The bytes and the read position stay as they are.
  void reserve(std::size_t total);
  const std::vector<unsigned char>& bytes() const { return bytes_; }
  std::size_t readPosition() const {
    return static_cast<std::size_t>(readWindowNext() - bytes_.data());
  }
  void rewind() { showFrom(0); }

 private:
  // Shows the bytes from `position` to the end as the read window; called whenever the bytes
  // may have moved.
  void showFrom(std::size_t position) {
    setReadWindow(bytes_.data() + position, bytes_.data() + bytes_.size());
  }

  std::vector<unsigned char> bytes_;
  std::size_t writeLimit_ = SIZE_MAX;
};
