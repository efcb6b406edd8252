// Bitmaps: device-dependent bitmaps (32 bpp, or 1 bpp for monochrome DCs),
// DIB sections with caller-visible pixel memory, and scaled copies.
#include "platform/gdi/gdi.h"
#include "platform/gdi/internal/Objects.h"
#include "platform/gdi/internal/Raster.h"

#include <cstring>

namespace gdi {

using namespace detail;

namespace {

// Windows answers a zero-sized request with the shared 1x1 monochrome bitmap.
bool IsZeroSize(int width, int height) {
    return width == 0 || height == 0;
}

} // namespace

HBITMAP CreateCompatibleBitmap(HDC hdc, int width, int height) {
    const DcObject* dc = FindDc(hdc);
    if (!dc || width < 0 || height < 0)
        return 0;
    if (IsZeroSize(width, height))
        return DefaultBitmap();
    const int bpp = dc->surface && dc->surface->bitsPerPixel == 1 ? 1 : 32;
    return AddBitmap(CreateSurface(width, height, bpp, 2), false);
}

HBITMAP CreateBitmap(int width, int height, UINT planes, UINT bitsPerPixel, const void* bits) {
    if (width < 0 || height < 0 || planes != 1 || (bitsPerPixel != 1 && bitsPerPixel != 32))
        return 0;
    if (IsZeroSize(width, height))
        return DefaultBitmap();
    auto surface = CreateSurface(width, height, static_cast<int>(bitsPerPixel), 2);
    if (!surface)
        return 0;
    if (bits) {
        // Caller rows are top-down and WORD-aligned, exactly our layout.
        std::memcpy(surface->bits.get(), bits, static_cast<std::size_t>(surface->stride) * height);
    }
    return AddBitmap(std::move(surface), false);
}

HBITMAP CreateDIBSection(HDC hdc, const BITMAPINFO* info, UINT usage, void** bits, HANDLE section,
                         DWORD offset) {
    if (bits)
        *bits = nullptr;
    if (hdc != 0 && !FindDc(hdc))
        return 0;
    if (!info || usage != DIB_RGB_COLORS || section != 0 || offset != 0)
        return 0;
    const BITMAPINFOHEADER& header = info->bmiHeader;
    if (header.biPlanes != 1 || header.biCompression != BI_RGB)
        return 0;
    if (header.biBitCount != 32 && header.biBitCount != 1)
        return 0;
    if (header.biWidth <= 0 || header.biHeight == 0 || header.biHeight == INT32_MIN)
        return 0;
    const bool bottomUp = header.biHeight > 0;
    const int height = bottomUp ? header.biHeight : -header.biHeight;
    auto surface = CreateSurface(header.biWidth, height, header.biBitCount, 4, bottomUp);
    if (!surface)
        return 0;
    void* memory = surface->bits.get();
    const HBITMAP handle = AddBitmap(std::move(surface), true);
    if (handle && bits)
        *bits = memory;
    return handle;
}

namespace {

HICON CopyIcon(HICON icon, int width, int height) {
    const IconObject* source = FindIcon(icon);
    if (!source)
        return 0;
    if (width == 0)
        width = source->Width();
    if (height == 0)
        height = source->Height();
    // A monochrome icon keeps image and mask in one bitmap of twice the height.
    if (!source->color && height > kMaxBitmapSide / 2)
        return 0;
    auto copy = std::make_unique<IconObject>();
    copy->isIcon = source->isIcon;
    copy->xHotspot = source->xHotspot;
    copy->yHotspot = source->yHotspot;
    copy->mask = ScaleSurface(*source->mask, width, source->color ? height : height * 2);
    if (source->color)
        copy->color = ScaleSurface(*source->color, width, height);
    if (!copy->mask || (source->color && !copy->color))
        return 0;
    return AddObject(std::move(copy));
}

// A resized copy of a bitmap made as CopyImage makes it: colour bitmaps are
// stretched with HALFTONE interpolation, monochrome ones with BLACKONWHITE
// (black pixels survive a shrink); a copy of the same size is exact.
std::shared_ptr<Surface> ResizedCopy(const Surface& source, int width, int height, int rowAlignment) {
    auto copy = CreateSurface(width, height, source.bitsPerPixel, rowAlignment);
    if (!copy)
        return nullptr;
    DcObject target;
    target.surface = copy;
    const int mode = source.bitsPerPixel == 1 ? BLACKONWHITE : HALFTONE;
    SourceRop(target, BlitGeometry{0, 0, width, height, 0, 0, source.width, source.height}, source,
              SourceConversion{}, BrushPattern{}, RopIndex(SRCCOPY), mode);
    return copy;
}

} // namespace

HANDLE CopyImage(HANDLE image, UINT type, int width, int height, UINT flags) {
    if (width < 0 || height < 0)
        return 0;
    if (type == IMAGE_ICON) {
        const HICON copy = CopyIcon(image, width, height);
        if (copy && (flags & LR_COPYDELETEORG))
            DestroyIcon(image);
        return copy;
    }
    if (type != IMAGE_BITMAP)
        return 0;
    const BitmapObject* source = FindBitmap(image);
    if (!source)
        return 0;
    const Surface& pixels = *source->surface;
    if (width == 0)
        width = pixels.width;
    if (height == 0)
        height = pixels.height;
    if ((flags & LR_COPYRETURNORG) && width == pixels.width && height == pixels.height)
        return image;
    const bool dib = (flags & LR_CREATEDIBSECTION) != 0;
    const HBITMAP copy = AddBitmap(ResizedCopy(pixels, width, height, dib ? 4 : 2), dib);
    if (copy && (flags & LR_COPYDELETEORG))
        DeleteObject(image);
    return copy;
}

} // namespace gdi
