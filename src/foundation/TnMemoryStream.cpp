#include "loomset/foundation/TnMemoryStream.h"

#include <cstring>

TnMemoryStream::TnMemoryStream(std::vector<unsigned char> bytes) : bytes_(std::move(bytes)) {
  setTakesWholeRecords(true);
  showFrom(0);
}

void TnMemoryStream::reserve(std::size_t total) {
  const std::size_t position = readPosition();
  bytes_.reserve(total);
  showFrom(position);
}

int TnMemoryStream::writeBytes(const void* data, std::size_t size) {
  if (size > writeLimit_ || bytes_.size() > writeLimit_ - size) return 1;
  if (size == 0) return 0;
  if (data == nullptr) return 1;
  const std::size_t position = readPosition();
  const auto* first = static_cast<const unsigned char*>(data);
  bytes_.insert(bytes_.end(), first, first + size);
  showFrom(position);
  return 0;
}

int TnMemoryStream::peekBytes(void* data, std::size_t size) {
  const std::size_t position = readPosition();
  if (size > bytes_.size() - position) return 1;
  if (size == 0) return 0;
  if (data == nullptr) return 1;
  std::memcpy(data, bytes_.data() + position, size);
  return 0;
}

int TnMemoryStream::readBytes(void* data, std::size_t size) {
  if (peekBytes(data, size) != 0) return 1;
  showFrom(readPosition() + size);
  return 0;
}
