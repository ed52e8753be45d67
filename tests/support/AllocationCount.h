#pragma once

#include <cstddef>
#include <functional>

// The bytes that `run` allocates from the heap; 0 where allocations are not counted.
std::size_t bytesAllocatedBy(const std::function<void()>& run);
// False in a build whose allocator is not ours to count, under the address sanitizer.
extern const bool kAllocationsCounted;
