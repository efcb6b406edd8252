#include "ArgbImage.h"

std::uint32_t OpaqueFromColorref(std::uint32_t colorref) {
    const std::uint32_t red = colorref & 0xFF;
    const std::uint32_t green = (colorref >> 8) & 0xFF;
    const std::uint32_t blue = (colorref >> 16) & 0xFF;
    return 0xFF000000u | (red << 16) | (green << 8) | blue;
}

ArgbImage Enlarge(const ArgbImage& image, int scale) {
    if (scale <= 1) return image;
    ArgbImage result(image.width * scale, image.height * scale, 0);
    for (int y = 0; y < result.height; ++y) {
        for (int x = 0; x < result.width; ++x) result.At(x, y) = image.At(x / scale, y / scale);
    }
    return result;
}

void Compose(ArgbImage& target, const ArgbImage& source, int x, int y) {
    for (int sy = 0; sy < source.height; ++sy) {
        const int ty = y + sy;
        if (ty < 0 || ty >= target.height) continue;
        for (int sx = 0; sx < source.width; ++sx) {
            const int tx = x + sx;
            if (tx < 0 || tx >= target.width) continue;
            const std::uint32_t pixel = source.At(sx, sy);
            if ((pixel >> 24) != 0) target.At(tx, ty) = pixel;
        }
    }
}
