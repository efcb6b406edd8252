#include "platform/window/WindowSurface.h"

#include <algorithm>
#include <cstring>

namespace user {
namespace {

gdi::HBITMAP CreateTopDownSurface(int width, int height, std::uint32_t** bits) {
    gdi::BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(gdi::BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height; // rows top-down, as a toolkit image wants them
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = gdi::BI_RGB;
    void* memory = nullptr;
    const gdi::HBITMAP bitmap = gdi::CreateDIBSection(0, &info, gdi::DIB_RGB_COLORS, &memory, 0, 0);
    *bits = bitmap != 0 ? static_cast<std::uint32_t*>(memory) : nullptr;
    return bitmap;
}

} // namespace

WindowSurface::~WindowSurface() {
    if (dc_ != 0) {
        gdi::SelectObject(dc_, dcOriginalBitmap_);
        gdi::DeleteDC(dc_);
    }
    if (bitmap_ != 0)
        gdi::DeleteObject(bitmap_);
}

void WindowSurface::Resize(int width, int height) {
    width = std::max(width, 0);
    height = std::max(height, 0);
    if (width == width_ && height == height_ && (bitmap_ != 0 || width == 0 || height == 0))
        return;

    std::uint32_t* newBits = nullptr;
    gdi::HBITMAP newBitmap = 0;
    if (width > 0 && height > 0)
        newBitmap = CreateTopDownSurface(width, height, &newBits);
    if (newBitmap != 0) {
        std::fill(newBits, newBits + static_cast<std::size_t>(width) * height, 0x00FFFFFFu);
        // The pixels are plain memory in both bitmaps: copy the overlap row by row.
        const int copyWidth = std::min(width, width_);
        const int copyHeight = std::min(height, height_);
        for (int y = 0; bits_ != nullptr && y < copyHeight; ++y)
            std::memcpy(newBits + static_cast<std::size_t>(y) * width,
                        bits_ + static_cast<std::size_t>(y) * width_,
                        static_cast<std::size_t>(copyWidth) * sizeof(std::uint32_t));
    }

    if (dc_ != 0)
        gdi::SelectObject(dc_, newBitmap != 0 ? newBitmap : dcOriginalBitmap_);
    if (bitmap_ != 0)
        gdi::DeleteObject(bitmap_);
    bitmap_ = newBitmap;
    bits_ = newBits;
    width_ = newBitmap != 0 ? width : 0;
    height_ = newBitmap != 0 ? height : 0;
}

gdi::HDC WindowSurface::AcquireDC() {
    if (dc_ == 0) {
        dc_ = gdi::CreateCompatibleDC(0);
        if (dc_ == 0)
            return 0;
        dcOriginalBitmap_ =
            bitmap_ != 0 ? gdi::SelectObject(dc_, bitmap_) : gdi::GetCurrentObject(dc_, gdi::OBJ_BITMAP);
    }
    ++dcHolders_;
    return dc_;
}

bool WindowSurface::ReleaseDC(gdi::HDC hdc) {
    if (dc_ == 0 || hdc != dc_)
        return false;
    if (--dcHolders_ > 0)
        return true;
    gdi::SelectObject(dc_, dcOriginalBitmap_);
    gdi::DeleteDC(dc_);
    dc_ = 0;
    dcOriginalBitmap_ = 0;
    return true;
}

gdi::COLORREF WindowSurface::Pixel(int x, int y) const {
    if (bits_ == nullptr || x < 0 || y < 0 || x >= width_ || y >= height_)
        return gdi::CLR_INVALID;
    const std::uint32_t pixel = bits_[static_cast<std::size_t>(y) * width_ + x];
    return gdi::RGB(static_cast<int>((pixel >> 16) & 0xFF), static_cast<int>((pixel >> 8) & 0xFF),
                    static_cast<int>(pixel & 0xFF));
}

} // namespace user
