#include <cstddef>
#include <cstdlib>
#include <new>

#include <gtest/gtest.h>

#include "loomset/foundation/StreamPrimitives.h"
#include "loomset/foundation/TnMemoryStream.h"
#include "loomset/geometry/TnBezierPattern.h"
#include "loomset/geometry/TnDirectionPattern.h"
#include "loomset/patterns/TnFillPattern.h"
#include "loomset/patterns/TnProgrammedPattern.h"
#include "loomset/patterns/TnVectorPattern.h"
#include "loomset/patterns/TnWavePattern.h"
#include "support/StreamBytes.h"

namespace {

// Bytes allocated while `counting` is set.
bool counting = false;
std::size_t allocated = 0;

void tally(std::size_t size) {
  if (counting) allocated += size;
}

}  // namespace

// The address sanitizer owns the allocator, so it is asked to report allocations; elsewhere the
// global allocation functions are replaced.
#if defined(__SANITIZE_ADDRESS__)
#define LOOMSET_TEST_ALLOCATOR_HOOKS 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define LOOMSET_TEST_ALLOCATOR_HOOKS 1
#endif
#endif

#ifdef LOOMSET_TEST_ALLOCATOR_HOOKS
extern "C" int __sanitizer_install_malloc_and_free_hooks(void (*onMalloc)(const volatile void*,
                                                                          std::size_t),
                                                         void (*onFree)(const volatile void*));
namespace {
[[maybe_unused]] const int kHooksInstalled = __sanitizer_install_malloc_and_free_hooks(
    [](const volatile void*, std::size_t size) { tally(size); }, [](const volatile void*) {});
}  // namespace
#else
void* operator new(std::size_t size) {
  tally(size);
  if (void* block = std::malloc(size == 0 ? 1 : size)) return block;
  throw std::bad_alloc();
}
void operator delete(void* block) noexcept { std::free(block); }
void operator delete(void* block, std::size_t) noexcept { std::free(block); }
#endif

namespace {

// A memory stream that counts the calls made on it.
class CountingStream final : public TnStream {
 public:
  explicit CountingStream(const StreamBytes& bytes) : inner(bytes.bytes()) {}
  int writeBytes(const void* data, std::size_t size) override {
    return inner.writeBytes(data, size);
  }
  int readBytes(void* data, std::size_t size) override {
    ++calls;
    return inner.readBytes(data, size);
  }
  int peekBytes(void* data, std::size_t size) override {
    ++calls;
    return inner.peekBytes(data, size);
  }

  TnMemoryStream inner;
  std::size_t calls = 0;
};

// A record's worth of nodes and names; what the counts below claim would take from 64 KiB (one
// string) to gigabytes.
constexpr std::size_t kBudget = 1024;

using Read = int (*)(TnStream&);

// Reads `bytes`, which end long before what their counts claim, with `read`: it fails, having
// allocated no more than kBudget bytes and having made no more calls on the stream than two per
// value that it holds (a peek and a read) and two for the value that is cut short.
void expectFailsAtTheEndWithLittleMemory(const char* what, const StreamBytes& bytes, Read read) {
  CountingStream stream(bytes);
  allocated = 0;
  counting = true;
  const int result = read(stream);
  counting = false;
  EXPECT_EQ(result, 1) << what;
  EXPECT_LE(allocated, kBudget) << what;
  EXPECT_LE(stream.calls, bytes.bytes().size() + 2) << what;
}

template <class Record>
int readInto(TnStream& stream) {
  Record record;
  return loomset::readRecord(record, stream);
}

// One segment's control points after `head`.
StreamBytes segment(StreamBytes head) { return head.f(0, 0).f(1, 1).f(2, 1).f(3, 0); }

TEST(ReadMemoryBoundsTest, CountsBeyondTheStreamFailAtItsEndWithLittleMemory) {
  const StreamBytes vector = StreamBytes().s(2).str("V").l(1).l(1);
  const struct {
    const char* what;
    StreamBytes bytes;
    Read read;
  } cases[] = {
      {"fill offsets", StreamBytes().s(1).str("F").s(5).s(32767).s(7), readInto<TnFillPattern>},
      {"direction entries", StreamBytes().s(3).f(1, 0).s(32767).f(1, 0).s(0),
       readInto<TnDirectionPattern>},
      {"version 1 direction entries", StreamBytes().s(1).d(1, 0).s(32767).d(1, 0),
       readInto<TnDirectionPattern>},
      {"programmed pairs",
       StreamBytes().s(1).str("P").s(32767).str("T").s(3).f(1, 0).s(1).f(1, 0).s(0),
       readInto<TnProgrammedPattern>},
      {"Bezier segments", segment(StreamBytes().s(1).f(3, 0).s(32767)), readInto<TnBezierPattern>},
      {"wave segments", segment(StreamBytes().s(1).str("W").s(1).f(3, 0).s(32767)),
       readInto<TnWavePattern>},
      {"vector curves", StreamBytes(vector).l(2147483647).l(0).l(0), readInto<TnVectorPattern>},
      {"vector segments", segment(StreamBytes(vector).l(1).l(2147483647)),
       readInto<TnVectorPattern>},
      {"version 1 vector segments",
       StreamBytes().s(1).str("V").l(1).l(1).l(1).l(2147483647).d(0, 0).d(1, 1).d(2, 1).d(3, 0),
       readInto<TnVectorPattern>},
  };
  for (const auto& c : cases) expectFailsAtTheEndWithLittleMemory(c.what, c.bytes, c.read);
}

TEST(ReadMemoryBoundsTest, StringLengthBeyondTheStreamAllocatesNoBufferOfThatLength) {
  expectFailsAtTheEndWithLittleMemory("string", StreamBytes().s(65535).f(1, 2), [](TnStream& s) {
    TnString text;
    return readString(s, text);
  });
}

}  // namespace
