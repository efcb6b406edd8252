#include "control/render/Colors.h"

#include "platform/gdi/gdi.h"

#include <algorithm>

namespace {

int ClampChannel(int value, bool invert) {
    value = std::clamp(value, 0, 255);
    return invert ? 255 - value : value;
}

}  // namespace

RgbColor TranslateColor(OleColor colour) {
    if (colour < 0) return static_cast<RgbColor>(gdi::GetSysColor(colour & 0xFF));
    return colour;
}

RgbColor ShadeColor(RgbColor colour, Integer& offset, bool blueRatio, bool avoidExtremes, bool invert) {
    const int red = colour & 0xFF;
    const int green = (colour >> 8) & 0xFF;
    const int blue = (colour >> 16) & 0xFF;
    // Offsets below 128 in magnitude end after one reversal (two for 0); the
    // bound keeps any other offset from looping.
    for (int attempt = 0; attempt < 3; ++attempt) {
        const int r = ClampChannel(red + offset, invert);
        const int g = ClampChannel(green + offset, invert);
        const int b = ClampChannel(blueRatio ? blue + (blue * offset) / 192 : blue + offset, invert);
        const RgbColor result = r + g * 256 + b * 65536;
        if (!avoidExtremes || (result != 0 && result != 0xFFFFFF)) return result;
        offset = offset == 0 ? Integer{64} : static_cast<Integer>(-offset);
    }
    const int r = ClampChannel(red + offset, invert);
    const int g = ClampChannel(green + offset, invert);
    const int b = ClampChannel(blueRatio ? blue + (blue * offset) / 192 : blue + offset, invert);
    return r + g * 256 + b * 65536;
}

RgbColor ShadeColor(RgbColor colour, int offset, bool blueRatio, bool avoidExtremes, bool invert) {
    Integer kept = static_cast<Integer>(offset);
    return ShadeColor(colour, kept, blueRatio, avoidExtremes, invert);
}
