#pragma once

#include <cstddef>
#include <cstdio>

#include "loomset/Export.h"
#include "loomset/foundation/TnStream.h"

// A stream over a file, opened either for reading or for writing (created or truncated). Every
// failure of the file is reported: opening, a short read or write, and flushing on close.
class LOOMSET_API TnFileStream final : public TnStream {
 public:
  enum Mode { kRead, kWrite };

  TnFileStream(const char* path, Mode mode);
  ~TnFileStream() override;

  int isOpen() const { return file_ != nullptr ? 1 : 0; }
  // Flushes and closes the file; non-zero when that fails or the file was not open.
  int close();

  int writeBytes(const void* data, std::size_t size) override;
  int readBytes(void* data, std::size_t size) override;
  int peekBytes(void* data, std::size_t size) override;

 private:
  std::FILE* file_ = nullptr;
  Mode mode_;
};
