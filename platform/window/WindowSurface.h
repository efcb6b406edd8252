// The pixels of one window: a top-down 32-bit DIB section of the window's
// size, and the one memory DC that GetDC hands out for it. Holders share the
// DC (it is counted) and the last ReleaseDC deletes it. Resizing keeps what was
// drawn where the old and new sizes overlap; new pixels start white.
#pragma once

#include "platform/gdi/gdi.h"

#include <cstdint>

namespace user {

class WindowSurface {
  public:
    WindowSurface() = default;
    ~WindowSurface(); // deletes the DC (whoever still holds it) and the bitmap
    WindowSurface(const WindowSurface&) = delete;
    WindowSurface& operator=(const WindowSurface&) = delete;

    // An empty size leaves no bitmap; a held DC then draws on its own 1x1 bitmap.
    void Resize(int width, int height);
    int Width() const { return width_; }
    int Height() const { return height_; }

    gdi::HDC AcquireDC(); // 0 on failure
    bool ReleaseDC(gdi::HDC hdc);

    // Width() * Height() pixels, rows top-down, each 0x00RRGGBB; null when empty.
    const std::uint32_t* Bits() const { return bits_; }
    gdi::COLORREF Pixel(int x, int y) const; // CLR_INVALID outside

  private:
    gdi::HBITMAP bitmap_ = 0;
    std::uint32_t* bits_ = nullptr;
    int width_ = 0;
    int height_ = 0;
    gdi::HDC dc_ = 0;
    gdi::HGDIOBJ dcOriginalBitmap_ = 0;
    int dcHolders_ = 0;
};

} // namespace user
