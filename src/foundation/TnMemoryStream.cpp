#include "loomset/foundation/TnMemoryStream.h"

#include <algorithm>
#include <cstring>

#include "loomset/foundation/ResultCodes.h"

using loomset::detail::kDone;
using loomset::detail::kFailed;

TnMemoryStream::TnMemoryStream(std::vector<unsigned char> bytes) : bytes_(std::move(bytes)) {
  show(0, bytes_.size());
}

void TnMemoryStream::show(std::size_t position, std::size_t size) {
  unsigned char* data = bytes_.data();
  setReadWindow(data + position, data + size);
  const std::size_t room = std::max(size, std::min(bytes_.size(), writeLimit_));
  setWriteWindow(data + size, data + room);
}

void TnMemoryStream::setWriteLimit(std::size_t limit) {
  writeLimit_ = limit;
  show(readPosition(), size());
}

void TnMemoryStream::reserve(std::size_t total) {
  const std::size_t position = readPosition();
  const std::size_t written = size();
  if (bytes_.size() < total) bytes_.resize(total);
  show(position, written);
}

const std::vector<unsigned char>& TnMemoryStream::bytes() {
  const std::size_t position = readPosition();
  const std::size_t written = size();
  bytes_.resize(written);
  show(position, written);
  return bytes_;
}

int TnMemoryStream::writeBytes(const void* data, std::size_t size) {
  const std::size_t position = readPosition();
  const std::size_t written = this->size();
  if (size > writeLimit_ || written > writeLimit_ - size) return kFailed;
  if (size == 0) return kDone;
  if (data == nullptr) return kFailed;
  if (bytes_.size() - written < size) {
    // The room doubles; the old bytes stay until the new ones are in, as `data` may be among them.
    std::vector<unsigned char> grown(
        std::max({written + size, 2 * bytes_.size(), std::size_t{64}}));
    if (written > 0) std::memcpy(grown.data(), bytes_.data(), written);
    std::memcpy(grown.data() + written, data, size);
    bytes_.swap(grown);
  } else {
    std::memmove(bytes_.data() + written, data, size);
  }
  show(position, written + size);
  return kDone;
}

int TnMemoryStream::peekBytes(void* data, std::size_t size) {
  // The typed values may have written past the end the read window showed.
  const std::size_t position = readPosition();
  show(position, this->size());
  if (size > this->size() - position) return kFailed;
  if (size == 0) return kDone;
  if (data == nullptr) return kFailed;
  std::memcpy(data, bytes_.data() + position, size);
  return kDone;
}

int TnMemoryStream::readBytes(void* data, std::size_t size) {
  if (peekBytes(data, size) != 0) return kFailed;
  show(readPosition() + size, this->size());
  return kDone;
}
