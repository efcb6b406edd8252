#include "platform/gdi/internal/Surface.h"

#include <algorithm>
#include <cstring>
#include <new>

namespace gdi::detail {

namespace {

// A block of memory is preceded by its size, so that a released block can be
// matched with the next request.
constexpr std::size_t kHeader = alignof(std::max_align_t);
constexpr int kCachedBlocks = 8;
constexpr std::size_t kLargestCachedBlock = std::size_t{1} << 20; // larger blocks go straight back

struct BlockCache {
    std::uint8_t* blocks[kCachedBlocks] = {};
    bool closed = false; // the thread is ending: releases free at once
    BlockCache() = default;
    BlockCache(const BlockCache&) = delete;
    BlockCache& operator=(const BlockCache&) = delete;
    ~BlockCache() {
        for (std::uint8_t*& block : blocks) {
            ::operator delete[](block, std::nothrow);
            block = nullptr;
        }
        closed = true;
    }
};
thread_local BlockCache cache;

std::size_t SizeOf(const std::uint8_t* block) {
    std::size_t size = 0;
    std::memcpy(&size, block, sizeof size);
    return size;
}

// Surface records and their shared_ptr control blocks, recycled likewise.
template <typename T> struct RecyclingAllocator {
    using value_type = T;
    RecyclingAllocator() = default;
    template <typename U> RecyclingAllocator(const RecyclingAllocator<U>&) {}
    T* allocate(std::size_t n) {
        if (n == 1 && freeList) {
            Free* block = freeList;
            freeList = block->next;
            return reinterpret_cast<T*>(block);
        }
        return static_cast<T*>(::operator new(n * sizeof(T)));
    }
    void deallocate(T* memory, std::size_t n) {
        if (n != 1) {
            ::operator delete(memory);
            return;
        }
        auto* block = reinterpret_cast<Free*>(memory);
        block->next = freeList;
        freeList = block;
    }
    template <typename U> bool operator==(const RecyclingAllocator<U>&) const { return true; }

  private:
    struct Free {
        Free* next;
    };
    static_assert(sizeof(T) >= sizeof(Free));
    static inline thread_local Free* freeList = nullptr;
};

std::shared_ptr<Surface> NewSurface() {
    return std::allocate_shared<Surface>(RecyclingAllocator<Surface>());
}

} // namespace

void CopyColorTable(const Surface& from, Surface& to) {
    to.hasColorTable = from.hasColorTable;
    to.colors[0] = from.colors[0];
    to.colors[1] = from.colors[1];
}

std::uint8_t* PixelMemory::Take(std::size_t size) {
    for (std::uint8_t*& block : cache.blocks) {
        if (block && SizeOf(block) == size && !cache.closed) {
            std::uint8_t* bits = block + kHeader;
            block = nullptr;
            std::memset(bits, 0, size);
            return bits;
        }
    }
    auto* block = static_cast<std::uint8_t*>(::operator new[](kHeader + size, std::nothrow));
    if (!block)
        return nullptr;
    std::memcpy(block, &size, sizeof size);
    std::memset(block + kHeader, 0, size);
    return block + kHeader;
}

void PixelMemory::Release::operator()(std::uint8_t* bits) const {
    if (!bits)
        return;
    std::uint8_t* block = bits - kHeader;
    if (cache.closed || SizeOf(block) > kLargestCachedBlock) {
        ::operator delete[](block, std::nothrow);
        return;
    }
    // Into a free place of the cache; when it is full, the first entry makes room.
    for (std::uint8_t*& entry : cache.blocks) {
        if (!entry) {
            entry = block;
            return;
        }
    }
    ::operator delete[](cache.blocks[0], std::nothrow);
    std::memmove(cache.blocks, cache.blocks + 1, sizeof cache.blocks - sizeof cache.blocks[0]);
    cache.blocks[kCachedBlocks - 1] = block;
}

std::shared_ptr<Surface> CreateSurface(int width, int height, int bitsPerPixel, int rowAlignment,
                                       bool bottomUp) {
    if (width <= 0 || height <= 0 || width > kMaxBitmapSide || height > kMaxBitmapSide)
        return nullptr;
    if (static_cast<std::int64_t>(width) * height > kMaxBitmapPixels)
        return nullptr;
    if (bitsPerPixel != 32 && bitsPerPixel != 1)
        return nullptr;
    const int rowBytes = bitsPerPixel == 32 ? width * 4 : (width + 7) / 8;
    const int stride = (rowBytes + rowAlignment - 1) / rowAlignment * rowAlignment;
    auto surface = NewSurface();
    surface->bits.reset(PixelMemory::Take(static_cast<std::size_t>(stride) * height));
    if (!surface->bits)
        return nullptr;
    surface->width = width;
    surface->height = height;
    surface->bitsPerPixel = bitsPerPixel;
    surface->stride = stride;
    surface->bottomUp = bottomUp;
    return surface;
}

std::shared_ptr<Surface> CopySurface(const Surface& source) {
    auto copy = NewSurface();
    const std::size_t bytes = static_cast<std::size_t>(source.stride) * source.height;
    copy->bits.reset(PixelMemory::Take(bytes));
    if (!copy->bits)
        return nullptr;
    std::memcpy(copy->bits.get(), source.bits.get(), bytes);
    copy->width = source.width;
    copy->height = source.height;
    copy->bitsPerPixel = source.bitsPerPixel;
    copy->stride = source.stride;
    copy->bottomUp = source.bottomUp;
    CopyColorTable(source, *copy);
    return copy;
}

namespace {

const PixelFormat& FormatFor(const Surface& surface);

} // namespace

std::shared_ptr<Surface> ScaleSurface(const Surface& source, int width, int height, int rowAlignment) {
    auto scaled = CreateSurface(width, height, source.bitsPerPixel, rowAlignment);
    if (!scaled)
        return nullptr;
    CopyColorTable(source, *scaled);
    const PixelFormat& format = FormatFor(source);
    for (int y = 0; y < height; ++y) {
        const int sy =
            static_cast<int>((std::int64_t{y} * 2 + 1) * source.height / (2 * std::int64_t{height}));
        for (int x = 0; x < width; ++x) {
            const int sx =
                static_cast<int>((std::int64_t{x} * 2 + 1) * source.width / (2 * std::int64_t{width}));
            format.set(*scaled, x, y, format.get(source, sx, sy));
        }
    }
    return scaled;
}

namespace {

// ---- 32 bits per pixel -----------------------------------------------------

Pixel* Row32(Surface& s, int y) {
    return reinterpret_cast<Pixel*>(s.Row(y));
}
const Pixel* Row32(const Surface& s, int y) {
    return reinterpret_cast<const Pixel*>(s.Row(y));
}

Pixel Get32(const Surface& s, int x, int y) {
    return Row32(s, y)[x];
}
void Set32(Surface& s, int x, int y, Pixel v) {
    Row32(s, y)[x] = v;
}
void Read32(const Surface& s, int x, int y, int count, Pixel* out) {
    std::memcpy(out, Row32(s, y) + x, static_cast<std::size_t>(count) * sizeof(Pixel));
}
void Write32(Surface& s, int x, int y, int count, const Pixel* in) {
    std::memcpy(Row32(s, y) + x, in, static_cast<std::size_t>(count) * sizeof(Pixel));
}
void Fill32(Surface& s, int x, int y, int count, Pixel v) {
    FillPixels(Row32(s, y) + x, static_cast<std::size_t>(count), v);
}

// ---- 1 bit per pixel, most significant bit leftmost --------------------------

Pixel Get1(const Surface& s, int x, int y) {
    return (s.Row(y)[x >> 3] >> (7 - (x & 7))) & 1u;
}
void Set1(Surface& s, int x, int y, Pixel v) {
    std::uint8_t& byte = s.Row(y)[x >> 3];
    const auto bit = static_cast<std::uint8_t>(0x80u >> (x & 7));
    byte = (v & 1) ? static_cast<std::uint8_t>(byte | bit) : static_cast<std::uint8_t>(byte & ~bit);
}
void Read1(const Surface& s, int x, int y, int count, Pixel* out) {
    const std::uint8_t* row = s.Row(y);
    for (int i = 0; i < count; ++i, ++x)
        out[i] = (row[x >> 3] >> (7 - (x & 7))) & 1u;
}
void Write1(Surface& s, int x, int y, int count, const Pixel* in) {
    int i = 0;
    for (; i < count && ((x + i) & 7) != 0; ++i)
        Set1(s, x + i, y, in[i]);
    // Whole bytes at once, leftmost pixel in the high bit.
    std::uint8_t* row = s.Row(y);
    for (; count - i >= 8; i += 8) {
        unsigned byte = 0;
        for (int k = 0; k < 8; ++k)
            byte = (byte << 1) | (in[i + k] & 1u);
        row[(x + i) >> 3] = static_cast<std::uint8_t>(byte);
    }
    for (; i < count; ++i)
        Set1(s, x + i, y, in[i]);
}
void Fill1(Surface& s, int x, int y, int count, Pixel v) {
    std::uint8_t* row = s.Row(y);
    const std::uint8_t full = (v & 1) ? 0xFF : 0x00;
    int end = x + count;
    while (x < end && (x & 7) != 0)
        Set1(s, x++, y, v);
    const int wholeEnd = end & ~7;
    if (x < wholeEnd) {
        std::memset(row + (x >> 3), full, static_cast<std::size_t>((wholeEnd - x) >> 3));
        x = wholeEnd;
    }
    while (x < end)
        Set1(s, x++, y, v);
}

constexpr PixelFormat kFormat32{0xFFFFFFFF, Get32, Set32, Read32, Write32, Fill32};
constexpr PixelFormat kFormat1{0x1, Get1, Set1, Read1, Write1, Fill1};

const PixelFormat& FormatFor(const Surface& surface) {
    return surface.bitsPerPixel == 1 ? kFormat1 : kFormat32;
}

} // namespace

const PixelFormat& FormatOf(const Surface& surface) {
    return FormatFor(surface);
}

Pixel NearestEntry(const COLORREF (&table)[2], COLORREF color) {
    auto distance = [color](COLORREF entry) {
        const int r = GetRValue(color) - GetRValue(entry), g = GetGValue(color) - GetGValue(entry),
                  b = GetBValue(color) - GetBValue(entry);
        return r * r + g * g + b * b;
    };
    return distance(table[1]) < distance(table[0]) ? 1u : 0u;
}

Pixel ColorToPixel(COLORREF color, const Surface& surface) {
    if (surface.bitsPerPixel == 1)
        return NearestEntry(surface.colors, color);
    return ColorToPixel32(color);
}

COLORREF PixelToColor(Pixel value, const Surface& surface) {
    if (surface.bitsPerPixel == 1)
        return surface.colors[value & 1];
    return PixelToColor32(value);
}

} // namespace gdi::detail
