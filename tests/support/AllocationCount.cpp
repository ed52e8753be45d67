#include "support/AllocationCount.h"

#include <cstdlib>
#include <new>

namespace {

bool counting = false;
std::size_t allocated = 0;

}  // namespace

std::size_t bytesAllocatedBy(const std::function<void()>& run) {
  allocated = 0;
  counting = true;
  run();
  counting = false;
  return allocated;
}

// The global allocation functions are replaced, in a file of their own, so that the compiler
// sees no allocation paired with a release of another kind. Under the address sanitizer, which
// owns the allocator, they are left alone and nothing is counted.
#if defined(__SANITIZE_ADDRESS__)
#define LOOMSET_TEST_SANITIZED 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define LOOMSET_TEST_SANITIZED 1
#endif
#endif
#ifndef LOOMSET_TEST_SANITIZED
void* operator new(std::size_t size) {
  allocated += counting ? size : 0;
  if (void* block = std::malloc(size == 0 ? 1 : size)) return block;
  throw std::bad_alloc();
}
void operator delete(void* block) noexcept { std::free(block); }
void operator delete(void* block, std::size_t) noexcept { std::free(block); }
const bool kAllocationsCounted = true;
#else
const bool kAllocationsCounted = false;
#endif
