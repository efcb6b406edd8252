// A plain 32-bit image (0xAARRGGBB per pixel, rows top to bottom): what a
// shot is captured into, composed into a sheet, enlarged and written out.
#pragma once

#include <cstdint>
#include <vector>

struct ArgbImage {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;

    ArgbImage() = default;
    ArgbImage(int w, int h, std::uint32_t fill) : width(w), height(h), pixels(static_cast<std::size_t>(w) * h, fill) {}

    std::uint32_t& At(int x, int y) { return pixels[static_cast<std::size_t>(y) * width + x]; }
    std::uint32_t At(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }
};

// 0x00BBGGRR drawing-layer colour to an opaque 0xFFRRGGBB pixel.
std::uint32_t OpaqueFromColorref(std::uint32_t colorref);

// Every pixel repeated scale x scale times (exact pixels, no smoothing).
ArgbImage Enlarge(const ArgbImage& image, int scale);

// Draws source over target at (x, y); fully transparent source pixels leave the target.
void Compose(ArgbImage& target, const ArgbImage& source, int x, int y);
