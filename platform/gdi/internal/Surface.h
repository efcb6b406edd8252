// Pixel memory of a bitmap and the small per-format table through which every
// drawing operation reads and writes it. A pixel is handled as a device value:
// 0xTTRRGGBB for 32-bit surfaces (the byte order of a 32-bit DIB: blue first
// in memory; raster operations work on all 32 bits, the top byte included,
// while a colour written from a COLORREF has 0 there) and 0 or 1 for
// monochrome surfaces (an index into the colour table: 1 shows as white on
// device-dependent bitmaps).
#pragma once

#include "platform/gdi/gdi.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cwchar>
#include <memory>

namespace gdi::detail {

using Pixel = std::uint32_t;

// Sets count pixels from first on to value. Where wchar_t has the pixel's
// size (Linux), wmemset is the C library's 32-bit fill with the machine's
// widest stores, about twice as fast on long rows as a compiled loop; where
// it is 16 bits (Windows) the pixels are filled as pixels.
inline void FillPixels(Pixel* first, std::size_t count, Pixel value) {
    if constexpr (sizeof(wchar_t) == sizeof(Pixel))
        std::wmemset(reinterpret_cast<wchar_t*>(first), static_cast<wchar_t>(value), count);
    else
        std::fill_n(first, count, value);
}

// Larger bitmaps are refused rather than attempted: no caller needs them and
// an absurd size must fail with 0, not with an exhausted machine.
constexpr int kMaxBitmapSide = 32767;
constexpr std::int64_t kMaxBitmapPixels = 64 * 1024 * 1024;

// Pixel memory. Blocks go back to a small per-thread cache when released and
// the next request of the same size takes one from there, so the scratch
// bitmaps that a paint makes and deletes cost no heap round trip.
struct PixelMemory {
    // size bytes, zero-filled; null when memory is short.
    static std::uint8_t* Take(std::size_t size);
    struct Release {
        void operator()(std::uint8_t* block) const;
    };
};

struct Surface {
    int width = 0;
    int height = 0;
    int bitsPerPixel = 32; // 32 or 1
    int stride = 0;        // bytes per row in memory
    bool bottomUp = false; // rows stored bottom row first (DIB with positive height)
    // What the bits 0 and 1 of a monochrome surface show. A 1-bpp DIB section
    // has a table of its own (hasColorTable), which blits use as its colours;
    // a device-dependent monochrome bitmap is black and white, and blits
    // convert it with the DC's text and background colours instead.
    bool hasColorTable = false;
    COLORREF colors[2] = {RGB(0, 0, 0), RGB(255, 255, 255)};
    // From PixelMemory::Take, or borrowed for one call and handed back before
    // the surface goes (StretchDIBits).
    std::unique_ptr<std::uint8_t[], PixelMemory::Release> bits;

    std::uint8_t* Row(int y) { return bits.get() + RowOffset(y); }
    const std::uint8_t* Row(int y) const { return bits.get() + RowOffset(y); }
    bool Contains(int x, int y) const { return x >= 0 && y >= 0 && x < width && y < height; }

  private:
    std::ptrdiff_t RowOffset(int y) const {
        return static_cast<std::ptrdiff_t>(bottomUp ? height - 1 - y : y) * stride;
    }
};

// Zero-filled (black) surface; null when the size is invalid or memory is short.
// rowAlignment: 2 for device-dependent bitmaps, 4 for DIB sections.
std::shared_ptr<Surface> CreateSurface(int width, int height, int bitsPerPixel, int rowAlignment = 4,
                                       bool bottomUp = false);
std::shared_ptr<Surface> CopySurface(const Surface& source);
void CopyColorTable(const Surface& from, Surface& to);
// A copy resampled to width x height (nearest pixel, so colour keys stay exact).
std::shared_ptr<Surface> ScaleSurface(const Surface& source, int width, int height, int rowAlignment = 2);

// One entry per pixel format; operations are written once over these.
struct PixelFormat {
    Pixel mask; // the bits a device value may use
    Pixel (*get)(const Surface& surface, int x, int y);
    void (*set)(Surface& surface, int x, int y, Pixel value);
    void (*read)(const Surface& surface, int x, int y, int count, Pixel* out);
    void (*write)(Surface& surface, int x, int y, int count, const Pixel* in);
    void (*fill)(Surface& surface, int x, int y, int count, Pixel value);
};

const PixelFormat& FormatOf(const Surface& surface);

// COLORREF <-> device value. On monochrome surfaces a colour becomes the
// nearest entry of the colour table (black and white for device-dependent
// bitmaps): the smaller sum of squared channel differences, entry 0 on a tie.
Pixel ColorToPixel(COLORREF color, const Surface& surface);
COLORREF PixelToColor(Pixel value, const Surface& surface);
// The entry of a two-colour table nearest to color (ties: entry 0).
Pixel NearestEntry(const COLORREF (&table)[2], COLORREF color);

// A COLORREF as a 32-bit pixel: 0x00BBGGRR becomes 0x00RRGGBB (the bytes
// reversed, then the low one dropped; a COLORREF's flag byte goes with it).
inline Pixel ColorToPixel32(COLORREF color) {
    return __builtin_bswap32(color) >> 8;
}
// A 32-bit pixel as a COLORREF: its colour channels, the top byte left out.
inline COLORREF PixelToColor32(Pixel value) {
    return RGB((value >> 16) & 0xFF, (value >> 8) & 0xFF, value & 0xFF);
}

} // namespace gdi::detail
