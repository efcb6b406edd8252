#include "platform/gdi/internal/Raster.h"

#include "platform/gdi/internal/ColorRules.h"

#include <algorithm>
#include <memory>
#include <vector>

namespace gdi::detail {

namespace {

RECT Intersect(const RECT& a, const RECT& b) {
    return RECT{std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
                std::min(a.bottom, b.bottom)};
}

bool IsEmpty(const RECT& r) {
    return r.left >= r.right || r.top >= r.bottom;
}

} // namespace

std::vector<RECT> VisibleRects(const DcObject& dc, RECT rect) {
    std::vector<RECT> out;
    if (!dc.surface)
        return out;
    const RECT bounded = Intersect(rect, RECT{0, 0, dc.surface->width, dc.surface->height});
    if (IsEmpty(bounded))
        return out;
    if (dc.clip) {
        dc.clip->ClipRect(bounded, out);
    } else {
        out.push_back(bounded);
    }
    return out;
}

bool IsVisible(const DcObject& dc, int x, int y) {
    return dc.surface && dc.surface->Contains(x, y) && (!dc.clip || dc.clip->Contains(x, y));
}

bool IsAllVisible(const DcObject& dc, const RECT& box) {
    if (!dc.surface || box.left < 0 || box.top < 0 || box.right > dc.surface->width ||
        box.bottom > dc.surface->height)
        return false;
    if (!dc.clip)
        return true;
    // Every band the box's rows cross must hold its columns in one span, with no row left uncovered.
    const std::vector<RECT>& rects = dc.clip->Rects();
    auto it =
        std::partition_point(rects.begin(), rects.end(), [&](const RECT& r) { return r.bottom <= box.top; });
    for (LONG row = box.top; row < box.bottom;) {
        if (it == rects.end() || it->top > row)
            return false;
        const LONG bandTop = it->top, bandBottom = it->bottom;
        bool held = false;
        for (; it != rects.end() && it->top == bandTop; ++it)
            held = held || (box.left >= it->left && box.right <= it->right);
        if (!held)
            return false;
        row = bandBottom;
    }
    return true;
}

void BrushPattern::Row(int x, int y, int count, Pixel* out) const {
    if (!tile) {
        std::fill_n(out, count, solid);
        return;
    }
    const PixelFormat& format = FormatOf(*tile);
    const int ty = ((y % tile->height) + tile->height) % tile->height;
    int tx = ((x % tile->width) + tile->width) % tile->width;
    for (int i = 0; i < count; ++i) {
        const Pixel value = format.get(*tile, tx, ty);
        out[i] = tile->bitsPerPixel == 1 ? (value ? tileOne : tileZero) : value;
        if (++tx == tile->width)
            tx = 0;
    }
}

BrushPattern SolidPattern(const DcObject& dc, COLORREF color) {
    BrushPattern pattern;
    pattern.hollow = false;
    pattern.solid = dc.surface ? ColorToPixel(color, *dc.surface) : ColorToPixel32(color);
    return pattern;
}

namespace {

// A solid brush on a monochrome surface is dithered as Windows does it: the
// colour's grey (30 % red, 59 % green, 11 % blue, rounded down) picks one of
// 65 levels, (grey + 2) / 4, and a pixel is white when its rank in the 8 x 8
// ordered-dither matrix below is under the level. The pattern is aligned to
// the surface's top left pixel; black and white stay plain.
BrushPattern DitheredPattern(COLORREF color) {
    static constexpr int kRank[8][8] = {{63, 31, 55, 23, 61, 29, 53, 21}, {15, 47, 7, 39, 13, 45, 5, 37},
                                        {51, 19, 59, 27, 49, 17, 57, 25}, {3, 35, 11, 43, 1, 33, 9, 41},
                                        {60, 28, 52, 20, 62, 30, 54, 22}, {12, 44, 4, 36, 14, 46, 6, 38},
                                        {48, 16, 56, 24, 50, 18, 58, 26}, {0, 32, 8, 40, 2, 34, 10, 42}};
    constexpr int kLevels = 65;
    static const std::vector<std::shared_ptr<const Surface>> tiles = [] {
        std::vector<std::shared_ptr<const Surface>> made(kLevels);
        for (int level = 1; level < kLevels - 1; ++level) {
            std::shared_ptr<Surface> tile = CreateSurface(8, 8, 1);
            const PixelFormat& format = FormatOf(*tile);
            for (int y = 0; y < 8; ++y)
                for (int x = 0; x < 8; ++x)
                    format.set(*tile, x, y, kRank[y][x] < level ? 1 : 0);
            made[static_cast<std::size_t>(level)] = std::move(tile);
        }
        return made;
    }();
    const int grey = (30 * GetRValue(color) + 59 * GetGValue(color) + 11 * GetBValue(color)) / 100;
    const int level = (grey + 2) / 4;
    BrushPattern pattern;
    pattern.hollow = false;
    pattern.solid = level == 0 ? 0 : 1;
    pattern.tile = tiles[static_cast<std::size_t>(level)];
    pattern.tileZero = 0;
    pattern.tileOne = 1;
    return pattern;
}

// What a solid brush paints: its colour; on a device-dependent monochrome
// bitmap the colour dithered, on a 1-bpp DIB section one entry of its colour
// table, chosen as for a pen (measured under Wine: no dithering there).
BrushPattern SolidBrushPattern(const DcObject& dc, COLORREF color) {
    if (!dc.surface || dc.surface->bitsPerPixel != 1)
        return SolidPattern(dc, color);
    if (!dc.surface->hasColorTable)
        return DitheredPattern(color);
    BrushPattern pattern;
    pattern.hollow = false;
    pattern.solid = ForegroundPixel(*dc.surface, color, dc.bkColor);
    return pattern;
}

// A pattern brush's tile on the DC's surface. A monochrome tile of a
// device-dependent bitmap shows the DC's text (0) and background (1) colours,
// one of a DIB section its own colour table. On a monochrome surface those
// colours take their nearest entries, except that a tile with colours of its
// own (a colour bitmap or a DIB section) is dithered by Windows, which the
// layer does not do: such a brush is unsupported there.
BrushPattern TilePattern(const DcObject& dc, std::shared_ptr<const Surface> tile) {
    BrushPattern pattern;
    const bool monoSurface = dc.surface && dc.surface->bitsPerPixel == 1;
    const bool ownColors = tile->bitsPerPixel == 32 || tile->hasColorTable;
    if (monoSurface && ownColors) {
        pattern.unsupported = true;
        return pattern;
    }
    pattern.hollow = false;
    if (tile->bitsPerPixel == 1) {
        const COLORREF zero = tile->hasColorTable ? tile->colors[0] : dc.textColor;
        const COLORREF one = tile->hasColorTable ? tile->colors[1] : dc.bkColor;
        pattern.tileZero = monoSurface ? ColorToPixel(zero, *dc.surface) : ColorToPixel32(zero);
        pattern.tileOne = monoSurface ? ColorToPixel(one, *dc.surface) : ColorToPixel32(one);
    }
    pattern.tile = std::move(tile);
    return pattern;
}

} // namespace

BrushPattern PatternOf(const DcObject& dc, HBRUSH brush) {
    if (brush >= 1 && brush <= 31)
        return SolidBrushPattern(dc, GetSysColor(static_cast<int>(brush) - 1));
    // The DC's own brush is at hand without a lookup.
    const BrushObject* object = brush == dc.brush ? dc.brushObject : FindBrush(brush);
    if (!object || object->hollow)
        return BrushPattern{};
    if (!object->pattern)
        return SolidBrushPattern(dc, object->color);
    return TilePattern(dc, object->pattern);
}

void PatternRop(DcObject& dc, RECT rect, const BrushPattern& pattern, BYTE rop) {
    if (!dc.surface || (RopUsesPattern(rop) && pattern.hollow))
        return;
    Surface& surface = *dc.surface;
    const PixelFormat& format = FormatOf(surface);
    // Operations that only set a constant value are plain fills.
    const bool constant = !RopUsesDest(rop) && (!RopUsesPattern(rop) || pattern.IsSolid());
    if (constant) {
        const Pixel value = ApplyRop(rop, pattern.solid, 0, 0, format.mask);
        ForEachVisibleRect(dc, rect, [&](const RECT& r) {
            const bool wholeRows = r.left == 0 && r.right == surface.width && surface.bitsPerPixel == 32 &&
                                   surface.stride == surface.width * static_cast<int>(sizeof(Pixel));
            if (wholeRows) {
                // Rows without padding form one block (the lowest row in memory first).
                const int firstInMemory = surface.bottomUp ? r.bottom - 1 : r.top;
                const int columns = surface.width * (r.bottom - r.top);
                format.fill(surface, 0, firstInMemory, columns, value);
                return;
            }
            for (int y = r.top; y < r.bottom; ++y)
                format.fill(surface, r.left, y, r.right - r.left, value);
        });
        return;
    }
    const RopSpanFunction span = RopSpanFor(rop);
    // Rows go through in pieces of a fixed size, so the buffers live on the stack.
    constexpr int kPiece = 256;
    Pixel dest[kPiece];
    Pixel pat[kPiece];
    ForEachVisibleRect(dc, rect, [&](const RECT& r) {
        for (int y = r.top; y < r.bottom; ++y) {
            for (int x = r.left; x < r.right; x += kPiece) {
                const int count = std::min(kPiece, r.right - x);
                format.read(surface, x, y, count, dest);
                pattern.Row(x, y, count, pat);
                span(dest, nullptr, pat, count, format.mask);
                format.write(surface, x, y, count, dest);
            }
        }
    });
}

void PatternRopRegion(DcObject& dc, const Region& region, const BrushPattern& pattern, BYTE rop) {
    for (const RECT& r : region.Rects())
        PatternRop(dc, r, pattern, rop);
}

SourceConversion ConversionFor(const DcObject& dest, const Surface& source, COLORREF sourceBackground) {
    SourceConversion conversion;
    if (!dest.surface)
        return conversion;
    const Surface& target = *dest.surface;
    if (source.bitsPerPixel == 1) {
        if (target.bitsPerPixel == 1 && !target.hasColorTable) {
            if (source.hasColorTable) {
                const Pixel backgroundEntry = ColorToPixel(sourceBackground, source);
                conversion.monoZero = backgroundEntry == 0 ? 1 : 0;
                conversion.monoOne = backgroundEntry == 1 ? 1 : 0;
            }
            return conversion;
        }
        const COLORREF zero = source.hasColorTable ? source.colors[0] : dest.textColor;
        const COLORREF one = source.hasColorTable ? source.colors[1] : dest.bkColor;
        conversion.monoZero = ColorToPixel(zero, target);
        conversion.monoOne = ColorToPixel(one, target);
        return conversion;
    }
    conversion.toTable = target.hasColorTable;
    conversion.table[0] = target.colors[0];
    conversion.table[1] = target.colors[1];
    conversion.sourceBackground = ColorToPixel32(sourceBackground);
    return conversion;
}

SourceConversion BlackWhiteConversion(const Surface& target) {
    SourceConversion conversion;
    conversion.monoZero = ColorToPixel(RGB(0, 0, 0), target);
    conversion.monoOne = ColorToPixel(RGB(255, 255, 255), target);
    conversion.toTable = target.hasColorTable;
    conversion.table[0] = target.colors[0];
    conversion.table[1] = target.colors[1];
    conversion.sourceBackground = ColorToPixel32(RGB(255, 255, 255));
    return conversion;
}

namespace {

// Sets the pixels of r, which lies on the surface, to value.
void FillPart(Surface& surface, const RECT& r, Pixel value) {
    if (surface.bitsPerPixel == 32) {
        FillRows32(surface, r, value);
        return;
    }
    const PixelFormat& format = FormatOf(surface);
    for (int y = r.top; y < r.bottom; ++y)
        format.fill(surface, r.left, y, r.right - r.left, value);
}

// rect cut to the surface (empty when it misses it).
RECT OnSurface(const Surface& surface, const RECT& rect) {
    return RECT{std::max(rect.left, 0), std::max(rect.top, 0), std::min(rect.right, surface.width),
                std::min(rect.bottom, surface.height)};
}

} // namespace

void FillLongRows32(Surface& surface, const RECT& r, Pixel pixel) {
    for (int y = r.top; y < r.bottom; ++y)
        FillPixels(reinterpret_cast<Pixel*>(surface.Row(y)) + r.left, static_cast<std::size_t>(r.right - r.left),
                   pixel);
}

void FillRowClipped32(Surface& surface, const Region& clip, const RECT& r, Pixel value) {
    const std::vector<RECT>& rects = clip.Rects();
    for (std::size_t i = FirstRectBelow(rects, r.top); i < rects.size() && rects[i].top <= r.top; ++i) {
        const LONG left = std::max(r.left, rects[i].left), right = std::min(r.right, rects[i].right);
        if (left < right)
            FillRows32(surface, RECT{left, r.top, right, r.bottom}, value);
    }
}

void FillVisibleInGeneral(DcObject& dc, const RECT& rect, Pixel value) {
    if (!dc.surface)
        return;
    Surface& surface = *dc.surface;
    const RECT bounded = OnSurface(surface, rect);
    if (IsEmpty(bounded))
        return;
    if (!dc.clip) {
        FillPart(surface, bounded, value);
        return;
    }
    ForEachClipPart(*dc.clip, bounded, [&](const RECT& r) { FillPart(surface, r, value); });
}

void FillVisibleFrom(DcObject& dc, const RECT& rect, Pixel value, std::size_t& hint) {
    if (!dc.surface || !dc.clip) {
        FillVisible(dc, rect, value);
        return;
    }
    Surface& surface = *dc.surface;
    const RECT bounded = OnSurface(surface, rect);
    if (IsEmpty(bounded))
        return;
    ForEachClipPartFrom(*dc.clip, bounded, hint, [&](const RECT& r) { FillPart(surface, r, value); });
}

void PutPixel(DcObject& dc, int x, int y, Pixel value) {
    if (IsVisible(dc, x, y))
        FormatOf(*dc.surface).set(*dc.surface, x, y, value);
}

} // namespace gdi::detail
