// Replaces the C library's allocator entry points with counting forwarders to
// glibc's own implementation, so the benchmark sees every heap allocation of
// a redraw, whoever makes it (C++ containers, std::function, FreeType).
#include "bench/PaintSpeedSupport.h"

#include <atomic>
#include <cerrno>
#include <cstddef>
#include <execinfo.h>
#include <unistd.h>

extern "C" {
void* __libc_malloc(std::size_t size);
void* __libc_calloc(std::size_t count, std::size_t size);
void* __libc_realloc(void* block, std::size_t size);
void* __libc_memalign(std::size_t alignment, std::size_t size);
void __libc_free(void* block);
}

namespace {

std::atomic<std::uint64_t> allocations{0};
thread_local bool tracing = false;

void Count() {
    allocations.fetch_add(1, std::memory_order_relaxed);
    if (tracing) {
        tracing = false; // the trace itself may allocate
        void* frames[24];
        const int depth = backtrace(frames, 24);
        backtrace_symbols_fd(frames, depth, 2);
        static const char separator[] = "----\n";
        (void)!write(2, separator, sizeof separator - 1);
        tracing = true;
    }
}

} // namespace

namespace paint_speed {

std::uint64_t AllocationCount() {
    return allocations.load(std::memory_order_relaxed);
}

void TraceAllocations(bool on) {
    tracing = on;
}

} // namespace paint_speed

extern "C" {

void* malloc(std::size_t size) {
    Count();
    return __libc_malloc(size);
}

void* calloc(std::size_t count, std::size_t size) {
    Count();
    return __libc_calloc(count, size);
}

void* realloc(void* block, std::size_t size) {
    Count();
    return __libc_realloc(block, size);
}

void free(void* block) {
    __libc_free(block);
}

void* memalign(std::size_t alignment, std::size_t size) {
    Count();
    return __libc_memalign(alignment, size);
}

void* aligned_alloc(std::size_t alignment, std::size_t size) {
    Count();
    return __libc_memalign(alignment, size);
}

int posix_memalign(void** result, std::size_t alignment, std::size_t size) {
    Count();
    void* block = __libc_memalign(alignment, size);
    if (block == nullptr)
        return ENOMEM;
    *result = block;
    return 0;
}

} // extern "C"
