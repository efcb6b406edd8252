#include "control/paint/Gradient.h"

#include "control/render/Rounding.h"
#include "control/render/Surface.h"

#include <cmath>

namespace {

// Pixels of the screen along the gradient, as the screen object reports it:
// its size in twips divided by twips per pixel.
Long ScreenPixels(bool horizontal) {
    const int pixels = user::GetSystemMetrics(horizontal ? user::SM_CXSCREEN : user::SM_CYSCREEN);
    const int twipsPerPixel = horizontal ? user::TwipsPerPixelX() : user::TwipsPerPixelY();
    if (twipsPerPixel <= 0) return pixels;
    return (pixels * twipsPerPixel) / twipsPerPixel;
}

}  // namespace

void FillGradient(ztButtons_H& button, RgbColor first, RgbColor last) {
    const bool horizontal = button.GradientMode < GradientModeValue::TopToBottom;
    const Long width = ClientWidth(button);
    const Long height = ClientHeight(button);
    const Long size = horizontal ? width : height;
    if (size <= 0) return;

    // Controls spanning more than a quarter of the screen get 2-pixel bands.
    Long step = 1;
    Long bands = size;
    if (ScreenPixels(horizontal) / size < 4) {
        step = 2;
        bands = size / 2;
    }
    if (bands <= 0) return;

    // The band colours of the last gradient are kept: a repaint of the same
    // gradient (every hover and press) reuses them, and a new one their storage.
    struct Bands {
        RgbColor first = 0;
        RgbColor last = 0;
        std::vector<RgbColor> colours;
    };
    thread_local Bands kept;
    std::vector<RgbColor>& colours = kept.colours;
    if (colours.size() != static_cast<std::size_t>(bands) || kept.first != first || kept.last != last) {
        colours.resize(static_cast<std::size_t>(bands));
        GradientBandColours(colours, first, last);
        kept.first = first;
        kept.last = last;
    }

    gdi::RECT band{0, 0, width, height};
    if (horizontal) {
        band.right = step;
    } else {
        band.bottom = step;
    }
    const bool fromFirst = (button.GradientMode % 2) != 0;
    for (Long i = 0; i < bands; ++i) {
        const Long index = fromFirst ? i : bands - 1 - i;
        DrawRect(button, button.SurfaceDC, band.left, band.top, band.right, band.bottom,
                 colours[static_cast<std::size_t>(index)], -1);
        if (horizontal) {
            gdi::OffsetRect(&band, step, 0);
        } else {
            gdi::OffsetRect(&band, 0, step);
        }
    }
}

void GradientBandColours(std::vector<RgbColor>& colours, RgbColor first, RgbColor last) {
    if (colours.empty()) return;
    colours[0] = first;
    const std::size_t upper = colours.size() - 1;
    if (upper == 0) return;  // one band: nothing to step towards

    // Channels step in single precision from the first colour, as the bands
    // were always computed; only band 0 is exact.
    float current[3] = {static_cast<float>(first & 0xFF), static_cast<float>((first >> 8) & 0xFF),
                        static_cast<float>((first >> 16) & 0xFF)};
    const Long target[3] = {last & 0xFF, (last >> 8) & 0xFF, (last >> 16) & 0xFF};
    float step[3];
    for (int k = 0; k < 3; ++k) {
        step[k] = (static_cast<float>(target[k]) - current[k]) / static_cast<float>(upper);
    }
    for (std::size_t j = 1; j <= upper; ++j) {
        for (int k = 0; k < 3; ++k) {
            current[k] = current[k] + step[k];
            if (current[k] > 255.0f) current[k] = 255.0f;
            if (!(current[k] >= 0.0f)) current[k] = 0.0f;
        }
        colours[j] = static_cast<RgbColor>(std::floor(current[0])) +
                     static_cast<RgbColor>(std::floor(current[1])) * 256 +
                     static_cast<RgbColor>(std::floor(current[2])) * 65536;
    }
}
