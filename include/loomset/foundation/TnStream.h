#pragma once

#include <cstddef>

#include "loomset/Export.h"

// A byte stream. Each call returns 0 on success and non-zero on failure; a call that fails
// moves nothing: no byte is consumed, and no byte is written.
class LOOMSET_API TnStream {
 public:
  TnStream() = default;
  TnStream(const TnStream&) = delete;
  TnStream& operator=(const TnStream&) = delete;
  virtual ~TnStream();

  virtual int writeBytes(const void* data, std::size_t size) = 0;
  // Consumes exactly `size` bytes into `data`.
  virtual int readBytes(void* data, std::size_t size) = 0;
  // Copies the next `size` bytes into `data` without consuming them.
  virtual int peekBytes(void* data, std::size_t size) = 0;
};
