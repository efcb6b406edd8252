// Decoding picture bytes into plain pixels. The decoder is the platform's
// (Qt's image readers on Linux); what is made of the pixels is shared.
#pragma once

#include "platform/picture/PictureFormat.h"

#include <cstdint>
#include <span>
#include <vector>

namespace picture {

// Pictures larger than this are refused rather than allocated: a button's
// picture is small, and with these limits any input of up to 1 MB is decoded
// or refused within about 100 ms and 64 MB (the decoder's image, its 32-bit
// copy, these pixels and the DIB section made from them, 8 MB each at most;
// bench_picture reports the figures).
constexpr int kMaxImageSide = 16384;
constexpr std::int64_t kMaxImagePixels = std::int64_t{2} * 1024 * 1024;

inline bool IsAcceptableImageSize(std::int64_t width, std::int64_t height) {
    return width <= kMaxImageSide && height <= kMaxImageSide && width * height <= kMaxImagePixels;
}

// Pixels 0xAARRGGBB, not premultiplied, top row first.
struct DecodedImage {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;

    bool IsNull() const { return pixels.empty(); }
    std::uint32_t* Row(int y) { return pixels.data() + static_cast<std::size_t>(y) * width; }
    const std::uint32_t* Row(int y) const { return pixels.data() + static_cast<std::size_t>(y) * width; }
};

// The image at imageIndex (icons and cursors hold several). A null image when
// the bytes do not decode.
DecodedImage DecodeImage(std::span<const std::uint8_t> bytes, PictureFormat format, int imageIndex);

} // namespace picture
