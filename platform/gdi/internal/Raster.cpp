#include "platform/gdi/internal/Raster.h"

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
    pattern.solid = ColorToPixel(color, dc.surface ? dc.surface->bitsPerPixel : 32);
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

// What a solid brush paints: its colour, dithered on monochrome surfaces.
BrushPattern SolidBrushPattern(const DcObject& dc, COLORREF color) {
    if (dc.surface && dc.surface->bitsPerPixel == 1)
        return DitheredPattern(color);
    return SolidPattern(dc, color);
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
    const int bpp = dc.surface ? dc.surface->bitsPerPixel : 32;
    BrushPattern pattern;
    pattern.hollow = false;
    if (object->pattern->bitsPerPixel == bpp || bpp == 32) {
        pattern.tile = object->pattern;
        pattern.tileZero = ColorToPixel(dc.textColor, bpp);
        pattern.tileOne = ColorToPixel(dc.bkColor, bpp);
    } else {
        // A colour pattern on a monochrome surface: use its first pixel.
        pattern.solid =
            ColorToPixel(PixelToColor(FormatOf(*object->pattern).get(*object->pattern, 0, 0), 32), 1);
    }
    return pattern;
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

SourceConversion ConversionFor(const DcObject& dest, COLORREF sourceBackground) {
    SourceConversion conversion;
    conversion.sourceBackground = ColorToPixel(sourceBackground, 32);
    const int bpp = dest.surface ? dest.surface->bitsPerPixel : 32;
    conversion.monoZero = ColorToPixel(dest.textColor, bpp);
    conversion.monoOne = ColorToPixel(dest.bkColor, bpp);
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
