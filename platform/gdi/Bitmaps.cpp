// Bitmaps: device-dependent bitmaps (32 bpp, or 1 bpp for monochrome DCs),
// DIB sections with caller-visible pixel memory, and scaled copies.
//
// Formats the layer does not implement are refused with 0, where Windows
// would make them: bit counts other than 1 and 32, compressed and bit-field
// DIBs, palette-index colour tables (DIB_PAL_COLORS), monochrome copies
// (LR_MONOCHROME), and StretchDIBits rows other than top-down 32-bit ones.
#include "platform/gdi/gdi.h"
#include "platform/gdi/internal/Objects.h"
#include "platform/gdi/internal/Raster.h"

#include <algorithm>
#include <cstring>

namespace gdi {

using namespace detail;

namespace {

// Windows answers a zero-sized request with the shared 1x1 monochrome bitmap.
bool IsZeroSize(int width, int height) {
    return width == 0 || height == 0;
}

// A 1-bpp DIB's two colours follow its header. With biClrUsed 1 the table
// holds one entry, and the second colour is black (as Windows reads it).
void ReadColorTable(const BITMAPINFO& info, Surface& surface) {
    const auto* table =
        reinterpret_cast<const RGBQUAD*>(reinterpret_cast<const BYTE*>(&info) + info.bmiHeader.biSize);
    const int entries = info.bmiHeader.biClrUsed == 1 ? 1 : 2;
    surface.hasColorTable = true;
    for (int i = 0; i < 2; ++i)
        surface.colors[i] =
            i < entries ? RGB(table[i].rgbRed, table[i].rgbGreen, table[i].rgbBlue) : RGB(0, 0, 0);
}

} // namespace

HBITMAP CreateCompatibleBitmap(HDC hdc, int width, int height) {
    const DcObject* dc = FindDc(hdc);
    if (!dc || width < 0 || height < 0)
        return 0;
    if (IsZeroSize(width, height))
        return DefaultBitmap();
    const BitmapObject* selected = dc->bitmapObject;
    if (selected && selected->dibSection) {
        // A DC holding a DIB section makes DIB sections of its format and colour table.
        const Surface& model = *selected->surface;
        auto surface = CreateSurface(width, height, model.bitsPerPixel, 4, model.bottomUp);
        if (surface)
            CopyColorTable(model, *surface);
        return AddBitmap(std::move(surface), true);
    }
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
    // Shorter headers are refused, as by Windows; a longer one (a version 4
    // or 5 header) has the colour table after it all the same.
    if (header.biSize < sizeof(BITMAPINFOHEADER) || header.biPlanes != 1 || header.biCompression != BI_RGB)
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
    if (header.biBitCount == 1)
        ReadColorTable(*info, *surface);
    void* memory = surface->bits.get();
    const HBITMAP handle = AddBitmap(std::move(surface), true);
    if (handle && bits)
        *bits = memory;
    return handle;
}

namespace {

// A surface over rows that the caller owns, for the length of one call: the
// memory is handed back, never freed, when the surface goes.
class BorrowedSurface {
  public:
    BorrowedSurface(const void* bits, int width, int height) {
        surface_.width = width;
        surface_.height = height;
        surface_.bitsPerPixel = 32;
        surface_.stride = width * static_cast<int>(sizeof(Pixel));
        surface_.bits.reset(static_cast<std::uint8_t*>(const_cast<void*>(bits)));
    }
    ~BorrowedSurface() { static_cast<void>(surface_.bits.release()); }
    BorrowedSurface(const BorrowedSurface&) = delete;
    BorrowedSurface& operator=(const BorrowedSurface&) = delete;
    const Surface& Get() const { return surface_; }

  private:
    Surface surface_;
};

// True when the rows lie in the surface's own memory (a DIB section's bits
// blitted onto its own DC): then they are read from a snapshot.
bool Overlaps(const Surface& surface, const void* bits, std::size_t size) {
    const auto* first = static_cast<const std::uint8_t*>(bits);
    const std::uint8_t* own = surface.bits.get();
    const std::size_t ownSize =
        static_cast<std::size_t>(surface.stride) * static_cast<std::size_t>(surface.height);
    return first < own + ownSize && own < first + size;
}

// The short cut of SourceRop for unscaled 32-bit rows through an operation
// without a pattern: the operation runs straight on the surface's rows, one
// call per visible run, and pixels without a source stay as they are. False
// when it does not apply.
bool BlitRowsUnscaled(DcObject& dc, const BlitGeometry& g, const Surface& source, BYTE index) {
    if (g.width <= 0 || g.height <= 0 || g.sourceWidth <= 0 || g.sourceHeight <= 0 || RopUsesPattern(index) ||
        dc.surface->bitsPerPixel != 32 || source.bitsPerPixel != 32)
        return false;
    // Coordinates pulled into range as SourceRop pulls them.
    const int x = ClampCoordinate(g.x), y = ClampCoordinate(g.y);
    const int width = ClampCoordinate(g.width), height = ClampCoordinate(g.height);
    if (width != ClampCoordinate(g.sourceWidth) || height != ClampCoordinate(g.sourceHeight))
        return false;
    // Destination pixel (c, r) reads source pixel (c - dx, r - dy).
    const std::int64_t dx = std::int64_t{x} - ClampCoordinate(g.sourceX);
    const std::int64_t dy = std::int64_t{y} - ClampCoordinate(g.sourceY);
    const RECT area{ClampCoordinate(std::max<std::int64_t>(x, dx)),
                    ClampCoordinate(std::max<std::int64_t>(y, dy)),
                    ClampCoordinate(std::min(std::int64_t{x} + width, dx + source.width)),
                    ClampCoordinate(std::min(std::int64_t{y} + height, dy + source.height))};
    if (area.left >= area.right || area.top >= area.bottom)
        return true;
    const RopSpanFunction span = RopSpanFor(index);
    Surface& target = *dc.surface;
    const Pixel mask = FormatOf(target).mask;
    ForEachVisibleRect(dc, area, [&](const RECT& r) {
        for (int row = r.top; row < r.bottom; ++row) {
            auto* to = reinterpret_cast<Pixel*>(target.Row(row)) + r.left;
            const auto* from =
                reinterpret_cast<const Pixel*>(source.Row(static_cast<int>(row - dy))) + (r.left - dx);
            span(to, from, nullptr, r.right - r.left, mask);
        }
    });
    return true;
}

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
    copy->hasAlpha = source->hasAlpha;
    copy->mask = ScaleSurface(*source->mask, width, source->color ? height : height * 2);
    if (source->color)
        copy->color = ScaleSurface(*source->color, width, height);
    if (!copy->mask || (source->color && !copy->color))
        return 0;
    return AddObject(std::move(copy));
}

// A resized copy of a bitmap made as CopyImage makes it: colour bitmaps are
// stretched with HALFTONE interpolation, monochrome ones with BLACKONWHITE
// (black pixels survive a shrink); a copy of the same size is exact. A DIB
// section copy keeps the source's format and colour table; a
// device-dependent copy of a 1-bpp DIB section is a colour bitmap in the
// table's colours (measured under Wine).
std::shared_ptr<Surface> ResizedCopy(const Surface& source, int width, int height, bool dibSection) {
    const bool toColour = source.hasColorTable && !dibSection;
    auto copy = CreateSurface(width, height, toColour ? 32 : source.bitsPerPixel, dibSection ? 4 : 2);
    if (!copy)
        return nullptr;
    if (dibSection && source.bitsPerPixel == 1) {
        CopyColorTable(source, *copy);
        copy->hasColorTable = true;
    }
    DcObject target;
    target.surface = copy;
    const int mode = source.bitsPerPixel == 1 ? BLACKONWHITE : HALFTONE;
    SourceRop(target, BlitGeometry{0, 0, width, height, 0, 0, source.width, source.height}, source,
              ConversionFor(target, source, target.bkColor), BrushPattern{}, RopIndex(SRCCOPY), mode);
    return copy;
}

} // namespace

int StretchDIBits(HDC hdc, int xDest, int yDest, int destWidth, int destHeight, int xSource, int ySource,
                  int sourceWidth, int sourceHeight, const void* bits, const BITMAPINFO* info, UINT usage,
                  DWORD rop) {
    DcObject* dc = FindDc(hdc);
    if (!dc || !dc->surface || dc->surface->bitsPerPixel != 32 || !bits || !info || usage != DIB_RGB_COLORS)
        return 0;
    const BITMAPINFOHEADER& header = info->bmiHeader;
    if (header.biSize < sizeof(BITMAPINFOHEADER) || header.biPlanes != 1 || header.biCompression != BI_RGB ||
        header.biBitCount != 32)
        return 0;
    if (header.biWidth <= 0 || header.biWidth > kMaxBitmapSide || header.biHeight >= 0 ||
        header.biHeight < -kMaxBitmapSide)
        return 0;
    const int width = header.biWidth;
    const int height = -header.biHeight;
    const BYTE index = RopIndex(rop);
    const int rows = sourceHeight < 0 ? -sourceHeight : sourceHeight;
    const BrushPattern pattern = RopUsesPattern(index) ? PatternOf(*dc, dc->brush) : BrushPattern{};
    if (pattern.unsupported)
        return 0;
    if (!RopUsesSource(index)) {
        PatternRop(*dc, PatBltArea(xDest, yDest, destWidth, destHeight), pattern, index);
        return rows;
    }
    const BorrowedSurface borrowed(bits, width, height);
    const std::size_t size =
        static_cast<std::size_t>(width) * static_cast<std::size_t>(height) * sizeof(Pixel);
    const bool overlaps = Overlaps(*dc->surface, bits, size);
    const std::shared_ptr<Surface> snapshot = overlaps ? CopySurface(borrowed.Get()) : nullptr;
    if (overlaps && !snapshot)
        return 0;
    const Surface& source = snapshot ? *snapshot : borrowed.Get();
    const BlitGeometry geometry{xDest,   yDest,   destWidth,   destHeight,
                                xSource, ySource, sourceWidth, sourceHeight};
    if (BlitRowsUnscaled(*dc, geometry, source, index))
        return rows;
    SourceRop(*dc, geometry, source, ConversionFor(*dc, source, dc->bkColor), pattern, index,
              dc->stretchMode);
    return rows;
}

HANDLE CopyImage(HANDLE image, UINT type, int width, int height, UINT flags) {
    if (width < 0 || height < 0 || (flags & LR_MONOCHROME))
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
    const HBITMAP copy = AddBitmap(ResizedCopy(pixels, width, height, dib), dib);
    if (copy && (flags & LR_COPYDELETEORG))
        DeleteObject(image);
    return copy;
}

} // namespace gdi
