// Icons: a monochrome AND mask and a colour XOR image, drawn the Windows way
// (mask with SRCAND, then image with SRCINVERT). Icons are window-system
// objects: they count under GR_USEROBJECTS, not GR_GDIOBJECTS.
//
// A colour image with anything but 0 in the top bytes of its pixels holds an
// alpha channel, which Windows blends onto 32-bit surfaces instead of
// applying the mask (onto monochrome ones the mask applies, measured under
// Wine); the layer does not blend, so drawing such an image there fails.
#include "platform/gdi/gdi.h"
#include "platform/gdi/internal/Raster.h"

namespace gdi {

using namespace detail;

namespace {

bool HasAlpha(const Surface& image) {
    if (image.bitsPerPixel != 32)
        return false;
    for (int y = 0; y < image.height; ++y) {
        const auto* row = reinterpret_cast<const Pixel*>(image.Row(y));
        for (int x = 0; x < image.width; ++x) {
            if ((row[x] >> 24) != 0)
                return true;
        }
    }
    return false;
}

} // namespace

HICON CreateIconIndirect(const ICONINFO* info) {
    if (!info)
        return 0;
    const BitmapObject* mask = FindBitmap(info->hbmMask);
    const BitmapObject* color = info->hbmColor ? FindBitmap(info->hbmColor) : nullptr;
    if (!mask || (info->hbmColor && !color))
        return 0;
    auto icon = std::make_unique<IconObject>();
    icon->isIcon = info->fIcon != FALSE;
    icon->xHotspot = info->xHotspot;
    icon->yHotspot = info->yHotspot;
    // The icon keeps copies: the caller still owns (and deletes) its bitmaps.
    if (color) {
        icon->color = CopySurface(*color->surface);
        icon->mask = ScaleSurface(*mask->surface, color->surface->width, color->surface->height);
        if (icon->mask && icon->mask->bitsPerPixel != 1)
            return 0;
    } else {
        if (mask->surface->height < 2 || mask->surface->bitsPerPixel != 1)
            return 0;
        icon->mask = CopySurface(*mask->surface);
    }
    if (!icon->mask || (color && !icon->color))
        return 0;
    icon->hasAlpha = icon->color && HasAlpha(*icon->color);
    return AddObject(std::move(icon));
}

BOOL GetIconInfo(HICON handle, ICONINFO* info) {
    const IconObject* icon = FindIcon(handle);
    if (!icon || !info)
        return FALSE;
    const HBITMAP mask = AddBitmap(CopySurface(*icon->mask), false);
    const HBITMAP color = icon->color ? AddBitmap(CopySurface(*icon->color), false) : 0;
    if (!mask || (icon->color && !color)) {
        DeleteObject(mask);
        DeleteObject(color);
        return FALSE;
    }
    info->fIcon = icon->isIcon ? TRUE : FALSE;
    info->xHotspot = icon->xHotspot;
    info->yHotspot = icon->yHotspot;
    info->hbmMask = mask;
    info->hbmColor = color;
    return TRUE;
}

BOOL DrawIconEx(HDC hdc, int x, int y, HICON handle, int width, int height, UINT /*step*/, HBRUSH flicker,
                UINT flags) {
    DcObject* dc = FindDc(hdc);
    const IconObject* icon = FindIcon(handle);
    if (!dc || !icon || (flags & DI_NORMAL) == 0 || width < 0 || height < 0)
        return FALSE;
    const bool colourSurface = dc->surface && dc->surface->bitsPerPixel == 32;
    if (icon->hasAlpha && colourSurface && (flags & DI_IMAGE))
        return FALSE;
    if (width == 0)
        width = icon->Width();
    if (height == 0)
        height = icon->Height();
    if (flicker) {
        // The flicker-free drawing goes through an off-screen bitmap of the
        // drawn size, which cannot be made beyond the bitmap size limit.
        if (width > kMaxBitmapSide || height > kMaxBitmapSide)
            return FALSE;
        // Far-off corners are pulled in: the fill cannot reach past them anyway.
        const RECT area{ClampCoordinate(x), ClampCoordinate(y), ClampCoordinate(std::int64_t{x} + width),
                        ClampCoordinate(std::int64_t{y} + height)};
        FillRect(hdc, &area, flicker);
    }
    if (!dc->surface)
        return TRUE;
    // The mask converts as black (0) and white (1) whatever the DC's colours are.
    const SourceConversion blackWhite = BlackWhiteConversion(*dc->surface);
    const int w = icon->Width(), h = icon->Height();
    const bool both = (flags & DI_NORMAL) == DI_NORMAL;
    const BrushPattern none;
    if (flags & DI_MASK) {
        SourceRop(*dc, BlitGeometry{x, y, width, height, 0, 0, w, h}, *icon->mask, blackWhite, none,
                  RopIndex(both ? SRCAND : SRCCOPY));
    }
    if (flags & DI_IMAGE) {
        const BYTE rop = RopIndex(both ? SRCINVERT : SRCCOPY);
        if (icon->color) {
            SourceRop(*dc, BlitGeometry{x, y, width, height, 0, 0, w, h}, *icon->color, blackWhite, none,
                      rop);
        } else {
            // Monochrome icons keep the image in the lower half of the mask.
            SourceRop(*dc, BlitGeometry{x, y, width, height, 0, h, w, h}, *icon->mask, blackWhite, none, rop);
        }
    }
    return TRUE;
}

BOOL DestroyIcon(HICON handle) {
    if (!FindIcon(handle))
        return FALSE;
    RemoveObject(handle);
    return TRUE;
}

} // namespace gdi
