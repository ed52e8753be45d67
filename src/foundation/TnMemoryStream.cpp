#include "loomset/foundation/TnMemoryStream.h"

#include <cstring>

int TnMemoryStream::writeBytes(const void* data, std::size_t size) {
  if (size > writeLimit_ || bytes_.size() > writeLimit_ - size) return 1;
  if (size == 0) return 0;
  if (data == nullptr) return 1;
  const auto* first = static_cast<const unsigned char*>(data);
  bytes_.insert(bytes_.end(), first, first + size);
  return 0;
}

int TnMemoryStream::peekBytes(void* data, std::size_t size) {
  if (size > bytes_.size() - readPosition_) return 1;
  if (size == 0) return 0;
  if (data == nullptr) return 1;
  std::memcpy(data, bytes_.data() + readPosition_, size);
  return 0;
}

int TnMemoryStream::readBytes(void* data, std::size_t size) {
  if (peekBytes(data, size) != 0) return 1;
  readPosition_ += size;
  return 0;
}
