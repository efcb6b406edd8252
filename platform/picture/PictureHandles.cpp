#include "platform/picture/PictureHandles.h"

#include <cstdint>
#include <cstring>
#include <vector>

namespace picture {

namespace {

constexpr int kOpaqueAlpha = 128;

// Deletes a bitmap on scope exit: the icon keeps its own copies.
struct BitmapGuard {
    gdi::HBITMAP handle = 0;
    ~BitmapGuard() {
        if (handle != 0) {
            gdi::DeleteObject(handle);
        }
    }
};

} // namespace

gdi::HBITMAP CreateDibFromImage(const DecodedImage& image) {
    if (image.IsNull()) {
        return 0;
    }
    const int width = image.width;
    const int height = image.height;
    gdi::BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(gdi::BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = height; // positive: bottom-up rows
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = gdi::BI_RGB;
    void* bits = nullptr;
    const gdi::HBITMAP bitmap = gdi::CreateDIBSection(0, &info, gdi::DIB_RGB_COLORS, &bits, 0, 0);
    if (bitmap == 0 || bits == nullptr) {
        if (bitmap != 0) {
            gdi::DeleteObject(bitmap);
        }
        return 0;
    }
    // 32-bit DIB rows are width * 4 bytes; the first row in memory is the
    // bottom row of the picture.
    auto* out = static_cast<std::uint32_t*>(bits);
    for (int y = 0; y < height; ++y) {
        const auto* in = image.Row(y);
        std::uint32_t* row = out + static_cast<std::size_t>(height - 1 - y) * static_cast<std::size_t>(width);
        for (int x = 0; x < width; ++x) {
            row[x] = in[x] & 0x00FFFFFFu;
        }
    }
    return bitmap;
}

gdi::HICON CreateIconFromImage(const DecodedImage& image, Hotspot hotspot) {
    if (image.IsNull()) {
        return 0;
    }
    const int width = image.width;
    const int height = image.height;
    // Monochrome rows are WORD-aligned, most significant bit first; a set bit
    // keeps the screen (transparent).
    const int maskStride = (width + 15) / 16 * 2;
    std::vector<std::uint8_t> mask(static_cast<std::size_t>(maskStride) * height, 0);
    std::vector<std::uint32_t> color(static_cast<std::size_t>(width) * height, 0);
    for (int y = 0; y < height; ++y) {
        const auto* in = image.Row(y);
        for (int x = 0; x < width; ++x) {
            const std::uint32_t pixel = in[x];
            if ((pixel >> 24) < kOpaqueAlpha) {
                mask[static_cast<std::size_t>(y) * maskStride + x / 8] |=
                    static_cast<std::uint8_t>(0x80u >> (x % 8));
            } else {
                color[static_cast<std::size_t>(y) * width + x] = pixel & 0x00FFFFFFu;
            }
        }
    }
    BitmapGuard maskBitmap{gdi::CreateBitmap(width, height, 1, 1, mask.data())};
    BitmapGuard colorBitmap{gdi::CreateBitmap(width, height, 1, 32, color.data())};
    if (maskBitmap.handle == 0 || colorBitmap.handle == 0) {
        return 0;
    }
    gdi::ICONINFO info{};
    info.fIcon = hotspot.isIcon ? gdi::TRUE : gdi::FALSE;
    info.xHotspot = static_cast<gdi::DWORD>(hotspot.x);
    info.yHotspot = static_cast<gdi::DWORD>(hotspot.y);
    info.hbmMask = maskBitmap.handle;
    info.hbmColor = colorBitmap.handle;
    return gdi::CreateIconIndirect(&info);
}

} // namespace picture
