#include "platform/gdi/internal/ColorRules.h"

namespace gdi::detail {

namespace {

constexpr COLORREF kRgbBits = 0xFFFFFF;

// The entry a colour equals (the first, when both are equal), or -1.
int EntryEqualTo(const Surface& surface, COLORREF color) {
    for (int i = 0; i < 2; ++i) {
        if ((surface.colors[i] & kRgbBits) == (color & kRgbBits))
            return i;
    }
    return -1;
}

} // namespace

Pixel MonoForegroundPixel(const Surface& surface, COLORREF color, COLORREF background) {
    const int entry = EntryEqualTo(surface, color);
    if (entry >= 0)
        return static_cast<Pixel>(entry);
    const Pixel backgroundPixel = ColorToPixel(background, surface);
    return (color & kRgbBits) == (background & kRgbBits) ? backgroundPixel : 1 - backgroundPixel;
}

Pixel MonoBackgroundPixel(const Surface& surface, COLORREF foreground, COLORREF background) {
    const int entry = EntryEqualTo(surface, background);
    if (entry >= 0)
        return static_cast<Pixel>(entry);
    const int foregroundEntry = EntryEqualTo(surface, foreground);
    if (foregroundEntry >= 0)
        return static_cast<Pixel>(1 - foregroundEntry);
    return ColorToPixel(background, surface);
}

} // namespace gdi::detail
