#pragma once

#include <cstddef>

#include "loomset/Export.h"
#include "loomset/foundation/ResultCodes.h"

// A byte stream. Each call returns 0 on success and non-zero on failure; a call that fails
// moves nothing: no byte is consumed, and no byte is written.
//
// A stream whose bytes sit in memory may also show them as windows, as std::streambuf shows its
// get and put areas: a read window of the next unread bytes, and a write window of room for the
// next bytes written. The typed values (StreamPrimitives.h) take and put each value through a
// window when it fits there and through the calls otherwise, so a stream that shows no window,
// as a host's own stream need not, is used through its calls alone, one call per value written.
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

  // How the typed values reach the bytes, each value whole or not at all.
  //
  // The next `size` bytes, unconsumed: in the read window, else peeked into `scratch` (room for
  // `size` bytes); null when the stream does not hold them.
  const unsigned char* peekValue(std::size_t size, unsigned char* scratch) {
    if (static_cast<std::size_t>(readEnd_ - readNext_) >= size) return readNext_;
    return peekBytes(scratch, size) == 0 ? scratch : nullptr;
  }
  // Consumes the `size` bytes that peekValue has just shown at `seen`; non-zero on failure.
  int consumeValue(const unsigned char* seen, unsigned char* scratch, std::size_t size) {
    if (seen == readNext_) {
      readNext_ += size;
      return loomset::detail::kDone;
    }
    return readBytes(scratch, size);
  }
  // Where to encode a value of `size` bytes: the write window when it has room, else `scratch`.
  unsigned char* valueRoom(std::size_t size, unsigned char* scratch) {
    return static_cast<std::size_t>(writeEnd_ - writeNext_) >= size ? writeNext_ : scratch;
  }
  // Puts the `size` bytes encoded at `room`, which valueRoom gave: the write window moves on over
  // them, or they are written with one call.
  int putValue(const unsigned char* room, std::size_t size) {
    if (room == writeNext_) {
      writeNext_ += size;
      return loomset::detail::kDone;
    }
    return writeBytes(room, size);
  }

 protected:
  // Shows [next, end) as the unread bytes. A stream shows its windows again whenever its calls
  // move what they cover; both start empty.
  void setReadWindow(const unsigned char* next, const unsigned char* end) {
    readNext_ = next;
    readEnd_ = end;
  }
  // Shows [next, end) as room for the next bytes written.
  void setWriteWindow(unsigned char* next, unsigned char* end) {
    writeNext_ = next;
    writeEnd_ = end;
  }
  // Where the typed values have moved the windows to.
  const unsigned char* readWindowNext() const { return readNext_; }
  unsigned char* writeWindowNext() const { return writeNext_; }

 private:
  const unsigned char* readNext_ = nullptr;
  const unsigned char* readEnd_ = nullptr;
  unsigned char* writeNext_ = nullptr;
  unsigned char* writeEnd_ = nullptr;
};
