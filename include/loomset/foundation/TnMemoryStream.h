#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "loomset/Export.h"
#include "loomset/foundation/TnStream.h"

// A stream over a byte vector in memory: writes append at the end, reads consume from a read
// position that starts at the first byte.
class LOOMSET_API TnMemoryStream final : public TnStream {
 public:
  // Empty and unbounded.
  TnMemoryStream() = default;
  // Reads `bytes` from the start.
  explicit TnMemoryStream(std::vector<unsigned char> bytes) : bytes_(std::move(bytes)) {}

  int writeBytes(const void* data, std::size_t size) override;
  int readBytes(void* data, std::size_t size) override;
  int peekBytes(void* data, std::size_t size) override;

  // Every later write that would take the total size past `limit` bytes fails.
  void setWriteLimit(std::size_t limit) { writeLimit_ = limit; }
  const std::vector<unsigned char>& bytes() const { return bytes_; }
  std::size_t readPosition() const { return readPosition_; }
  void rewind() { readPosition_ = 0; }

 private:
  std::vector<unsigned char> bytes_;
  std::size_t readPosition_ = 0;
  std::size_t writeLimit_ = SIZE_MAX;
};
