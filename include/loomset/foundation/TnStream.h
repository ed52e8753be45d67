#pragma once

#include <cstddef>

#include "loomset/Export.h"

namespace loomset::detail {
class StreamAccess;
}

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

 protected:
  // A stream whose next bytes already sit in memory may show them as a read window, [next, end):
  // the typed readers then take values from it directly, without a call per value, and consume
  // them by moving `next` forward. Such a stream keeps its read position in readWindowNext() and
  // shows the window again whenever its bytes move. The window starts empty, so a stream that
  // never shows one is read through readBytes and peekBytes alone.
  void setReadWindow(const unsigned char* next, const unsigned char* end) {
    readNext_ = next;
    readEnd_ = end;
  }
  const unsigned char* readWindowNext() const { return readNext_; }

  // A stream that refuses a write only for want of room, never for how the bytes are split into
  // calls, may be handed a record's values in one write instead of one call per value: it says
  // so here. A refused record is then written again value by value, so that the stream ends with
  // exactly the values before the refused one, as it would have.
  void setTakesWholeRecords(bool takes) { takesWholeRecords_ = takes; }

 private:
  friend class loomset::detail::StreamAccess;

  const unsigned char* readNext_ = nullptr;
  const unsigned char* readEnd_ = nullptr;
  bool takesWholeRecords_ = false;
};
