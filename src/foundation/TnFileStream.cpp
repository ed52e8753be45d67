#include "loomset/foundation/TnFileStream.h"

#include <cstring>
#include <vector>

#include "loomset/foundation/ResultCodes.h"

using loomset::detail::kDone;
using loomset::detail::kFailed;

TnFileStream::TnFileStream(const char* path, Mode mode) : mode_(mode) {
  if (path != nullptr) file_ = std::fopen(path, mode == kRead ? "rb" : "wb");
}

TnFileStream::~TnFileStream() { close(); }

int TnFileStream::close() {
  if (file_ == nullptr) return kFailed;
  const int result = std::fclose(file_);
  file_ = nullptr;
  return result == 0 ? kDone : kFailed;
}

int TnFileStream::writeBytes(const void* data, std::size_t size) {
  if (file_ == nullptr || mode_ != kWrite) return kFailed;
  if (size == 0) return kDone;
  if (data == nullptr) return kFailed;
  const long start = std::ftell(file_);
  if (std::fwrite(data, 1, size, file_) == size) return kDone;
  // Step back over a short write so that the next write lands where this one began.
  if (start >= 0) std::fseek(file_, start, SEEK_SET);
  return kFailed;
}

int TnFileStream::peekBytes(void* data, std::size_t size) {
  if (file_ == nullptr || mode_ != kRead) return kFailed;
  if (size == 0) return kDone;
  if (data == nullptr) return kFailed;
  const long start = std::ftell(file_);
  if (start < 0) return kFailed;
  // Read into scratch so that a short read leaves the caller's buffer as it was.
  std::vector<unsigned char> scratch(size);
  const std::size_t got = std::fread(scratch.data(), 1, size, file_);
  const bool restored = std::fseek(file_, start, SEEK_SET) == 0;
  std::clearerr(file_);
  if (got != size || !restored) return kFailed;
  std::memcpy(data, scratch.data(), size);
  return kDone;
}

int TnFileStream::readBytes(void* data, std::size_t size) {
  if (peekBytes(data, size) != 0) return kFailed;
  return std::fseek(file_, static_cast<long>(size), SEEK_CUR) == 0 ? kDone : kFailed;
}
