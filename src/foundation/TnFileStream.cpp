#include "loomset/foundation/TnFileStream.h"

#include <cstring>
#include <vector>

TnFileStream::TnFileStream(const char* path, Mode mode) : mode_(mode) {
  if (path != nullptr) file_ = std::fopen(path, mode == kRead ? "rb" : "wb");
}

TnFileStream::~TnFileStream() { close(); }

int TnFileStream::close() {
  if (file_ == nullptr) return 1;
  const int result = std::fclose(file_);
  file_ = nullptr;
  return result == 0 ? 0 : 1;
}

int TnFileStream::writeBytes(const void* data, std::size_t size) {
  if (file_ == nullptr || mode_ != kWrite) return 1;
  if (size == 0) return 0;
  if (data == nullptr) return 1;
  const long start = std::ftell(file_);
  if (std::fwrite(data, 1, size, file_) == size) return 0;
  // Step back over a short write so that the next write lands where this one began.
  if (start >= 0) std::fseek(file_, start, SEEK_SET);
  return 1;
}

int TnFileStream::peekBytes(void* data, std::size_t size) {
  if (file_ == nullptr || mode_ != kRead) return 1;
  if (size == 0) return 0;
  if (data == nullptr) return 1;
  const long start = std::ftell(file_);
  if (start < 0) return 1;
  // Read into scratch so that a short read leaves the caller's buffer as it was.
  std::vector<unsigned char> scratch(size);
  const std::size_t got = std::fread(scratch.data(), 1, size, file_);
  const bool restored = std::fseek(file_, start, SEEK_SET) == 0;
  std::clearerr(file_);
  if (got != size || !restored) return 1;
  std::memcpy(data, scratch.data(), size);
  return 0;
}

int TnFileStream::readBytes(void* data, std::size_t size) {
  if (peekBytes(data, size) != 0) return 1;
  return std::fseek(file_, static_cast<long>(size), SEEK_CUR) == 0 ? 0 : 1;
}
