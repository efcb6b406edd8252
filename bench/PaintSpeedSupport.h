// The allocation hook of the paint benchmarks: every malloc, calloc,
// realloc and aligned allocation of the process (operator new included, as
// it allocates through malloc) counts one.
#pragma once

#include <cstdint>

namespace paint_speed {

std::uint64_t AllocationCount();
// While on, every allocation of this thread prints its call stack to stderr.
void TraceAllocations(bool on);

} // namespace paint_speed
