// Bitmaps, DIB sections and copies of images on gdi32.
#include "platform/gdi/win32/Native.h"

#include <cstdint>
#include <cstdlib>

namespace gdi {

using namespace win32;

namespace {

// Bitmaps this large are refused before gdi32 sees them, with the limits of
// our software layer, so that both back ends fail alike on absurd sizes: no
// button needs one, Windows would commit gigabytes for it, and Wine 8 even
// faults while stretching onto a 32767-pixel-square DIB section.
constexpr std::int64_t kMaxBitmapSide = 32767;
constexpr std::int64_t kMaxBitmapPixels = std::int64_t{64} * 1024 * 1024;

bool IsAbsurdSize(std::int64_t width, std::int64_t height) {
    width = std::llabs(width);
    height = std::llabs(height);
    return width > kMaxBitmapSide || height > kMaxBitmapSide || width * height > kMaxBitmapPixels;
}

} // namespace

HBITMAP CreateCompatibleBitmap(HDC hdc, int width, int height) {
    if (IsAbsurdSize(width, height))
        return 0;
    return Counted(FromNative(::CreateCompatibleBitmap(ToNative<::HDC>(hdc), width, height)));
}

HBITMAP CreateBitmap(int width, int height, UINT planes, UINT bitsPerPixel, const void* bits) {
    if (IsAbsurdSize(width, height))
        return 0;
    return Counted(FromNative(::CreateBitmap(width, height, planes, bitsPerPixel, bits)));
}

HBITMAP CreateDIBSection(HDC hdc, const BITMAPINFO* info, UINT usage, void** bits, HANDLE section,
                         DWORD offset) {
    if (info && IsAbsurdSize(info->bmiHeader.biWidth, info->bmiHeader.biHeight)) {
        if (bits)
            *bits = nullptr;
        return 0;
    }
    return Counted(FromNative(::CreateDIBSection(ToNative<::HDC>(hdc), AsNative<::BITMAPINFO>(info), usage, bits,
                                                 ToNative<::HANDLE>(section), offset)));
}

// A copy is a new object of the image's kind (bitmaps are GDI's, icons the
// window system's); LR_COPYDELETEORG deletes the original on the way.
HANDLE CopyImage(HANDLE image, UINT type, int width, int height, UINT flags) {
    if (IsAbsurdSize(width, height))
        return 0;
    const ObjectKind kind = type == IMAGE_BITMAP ? ObjectKind::Gdi : ObjectKind::User;
    const HANDLE copy = FromNative(::CopyImage(ToNative<::HANDLE>(image), type, width, height, flags));
    if (copy != 0 && copy != image) {
        Counted(copy, kind);
        if (flags & LR_COPYDELETEORG)
            Uncounted(image, kind);
    }
    return copy;
}

int StretchDIBits(HDC hdc, int xDest, int yDest, int destWidth, int destHeight, int xSource, int ySource,
                  int sourceWidth, int sourceHeight, const void* bits, const BITMAPINFO* info, UINT usage,
                  DWORD rop) {
    return ::StretchDIBits(ToNative<::HDC>(hdc), xDest, yDest, destWidth, destHeight, xSource, ySource, sourceWidth,
                           sourceHeight, bits, AsNative<::BITMAPINFO>(info), usage, rop);
}

} // namespace gdi
