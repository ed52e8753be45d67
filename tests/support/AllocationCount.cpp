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

// The address sanitizer owns the allocator, so it is asked to report allocations; elsewhere the
// global allocation functions are replaced. Either is kept in a file of its own, so that the
// compiler sees no allocation paired with a release of another kind.
#if defined(__SANITIZE_ADDRESS__)
#define LOOMSET_TEST_SANITIZED 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define LOOMSET_TEST_SANITIZED 1
#endif
#endif
#ifdef LOOMSET_TEST_SANITIZED
extern "C" int __sanitizer_install_malloc_and_free_hooks(void (*)(const volatile void*,
                                                                  std::size_t),
                                                         void (*)(const volatile void*));
[[maybe_unused]] static const int kHooks = __sanitizer_install_malloc_and_free_hooks(
    [](const volatile void*, std::size_t size) { allocated += counting ? size : 0; },
    [](const volatile void*) {});
#else
void* operator new(std::size_t size) {
  allocated += counting ? size : 0;
  if (void* block = std::malloc(size == 0 ? 1 : size)) return block;
  throw std::bad_alloc();
}
void operator delete(void* block) noexcept { std::free(block); }
void operator delete(void* block, std::size_t) noexcept { std::free(block); }
#endif
