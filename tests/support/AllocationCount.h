#pragma once

#include <cstddef>
#include <functional>

// The bytes that `run` allocates from the heap.
std::size_t bytesAllocatedBy(const std::function<void()>& run);
