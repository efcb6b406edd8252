// Ternary raster operations. The high word of a ROP code holds its truth
// table: bit (P<<2 | S<<1 | D) of the index byte is the result for pattern
// bit P, source bit S and destination bit D. All 256 operations are compiled
// from that table into span functions, so every one runs at full speed.
#pragma once

#include "platform/gdi/internal/Surface.h"

namespace gdi::detail {

constexpr BYTE RopIndex(DWORD rop) {
    return static_cast<BYTE>((rop >> 16) & 0xFF);
}
constexpr bool RopUsesDest(BYTE index) {
    return (((index >> 1) ^ index) & 0x55) != 0;
}
constexpr bool RopUsesSource(BYTE index) {
    return (((index >> 2) ^ index) & 0x33) != 0;
}
constexpr bool RopUsesPattern(BYTE index) {
    return (((index >> 4) ^ index) & 0x0F) != 0;
}

// dest[i] = rop(pattern[i], source[i], dest[i]) & mask. source and pattern
// may be null when the operation does not use them.
using RopSpanFunction = void (*)(Pixel* dest, const Pixel* source, const Pixel* pattern, int count,
                                 Pixel mask);
RopSpanFunction RopSpanFor(BYTE index);

// One value through the compiled span function of the operation.
Pixel ApplyRop(BYTE index, Pixel pattern, Pixel source, Pixel dest, Pixel mask);

} // namespace gdi::detail
