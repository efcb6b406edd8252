// Colours beyond the nearest-entry rule of ColorToPixel: the rule by which
// Windows maps pens, text and solid brushes onto monochrome surfaces, and the
// colour forms the layer takes at all.
#pragma once

#include "platform/gdi/internal/Surface.h"

namespace gdi::detail {

// A pen's, text's or (on a DIB section) solid brush's colour as a pixel. On a
// 32-bit surface, the colour itself. On a monochrome surface, measured under
// Wine: a colour equal to an entry of the colour table (black or white on a
// device-dependent bitmap) takes that entry; any other colour takes the
// background colour's nearest entry when it equals the background colour, and
// the other entry when it does not.
Pixel MonoForegroundPixel(const Surface& surface, COLORREF color, COLORREF background);
inline Pixel ForegroundPixel(const Surface& surface, COLORREF color, COLORREF background) {
    return surface.bitsPerPixel == 1 ? MonoForegroundPixel(surface, color, background)
                                     : ColorToPixel32(color);
}

// The background that goes with such a foreground (the box of opaque text,
// the gaps of a styled pen). On a monochrome surface: a background colour
// equal to an entry takes it; otherwise, when the foreground colour equals an
// entry, the other entry; otherwise the background's nearest entry.
Pixel MonoBackgroundPixel(const Surface& surface, COLORREF foreground, COLORREF background);
inline Pixel BackgroundPixel(const Surface& surface, COLORREF foreground, COLORREF background) {
    return surface.bitsPerPixel == 1 ? MonoBackgroundPixel(surface, foreground, background)
                                     : ColorToPixel32(background);
}

// Whether the layer draws a COLORREF. Windows also takes palette indexes (top
// byte with bit 0 set, PALETTEINDEX) and colour-table indexes of DIB sections
// (0x10FF in the top word, DIBINDEX); the layer has no palettes and refuses
// both, so that a call fails instead of drawing some other colour. Any other
// top byte (PALETTERGB's 0x02 among them) leaves the RGB value, as on Windows.
constexpr bool IsImplementedColor(COLORREF color) {
    const bool paletteIndex = (color & 0x01000000) != 0;
    const bool tableIndex = (color & 0xFFFF0000) == 0x10FF0000;
    return !paletteIndex && !tableIndex;
}

} // namespace gdi::detail
