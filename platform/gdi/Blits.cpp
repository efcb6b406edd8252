// Block transfers: PatBlt, BitBlt and StretchBlt over every ternary raster
// operation, with the Windows monochrome <-> colour conversion. One routine
// (SourceRop) does all source work; plain copies and fills take fast paths.
#include "platform/gdi/gdi.h"
#include "platform/gdi/internal/Raster.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace gdi {

namespace detail {

namespace {

// A signed extent as a start and a positive length, both clamped to the
// coordinate range; true when it was mirrored.
bool Normalise(int& origin, int& extent) {
    std::int64_t start = origin, length = extent;
    const bool mirrored = length < 0;
    if (mirrored) {
        start += length;
        length = -length;
    }
    origin = ClampCoordinate(start);
    extent = ClampCoordinate(length);
    return mirrored;
}

// Source column or row for destination offset i: the centre of the
// destination pixel mapped into the source (nearest neighbour).
int MapIndex(int i, int destExtent, int sourceExtent, bool mirror) {
    int j = destExtent == sourceExtent
                ? i
                : static_cast<int>((static_cast<std::int64_t>(i) * 2 + 1) * sourceExtent / (2 * std::int64_t{destExtent}));
    return mirror ? sourceExtent - 1 - j : j;
}

void ConvertSource(Pixel* values, int count, int sourceBpp, int destBpp, const SourceConversion& conversion) {
    if (sourceBpp == destBpp) return;
    if (sourceBpp == 1) {
        for (int i = 0; i < count; ++i) values[i] = values[i] ? conversion.monoOne : conversion.monoZero;
    } else {
        for (int i = 0; i < count; ++i) values[i] = values[i] == conversion.sourceBackground ? 1u : 0u;
    }
}

// Source pixels of one row at the given columns (for scaled or mirrored blits).
void GatherColumns(const Surface& source, const PixelFormat& format, int row, const int* columns, int count, Pixel* out) {
    if (source.bitsPerPixel == 32) {
        const auto* pixels = reinterpret_cast<const Pixel*>(source.Row(row));
        for (int i = 0; i < count; ++i) out[i] = pixels[columns[i]] & 0xFFFFFF;
        return;
    }
    for (int i = 0; i < count; ++i) out[i] = format.get(source, columns[i], row);
}

// True when [left, right) is every pixel of each row and rows follow each other without padding.
bool IsWholeRows(const Surface& surface, int left, int right) {
    return left == 0 && right == surface.width && surface.stride == surface.width * static_cast<int>(sizeof(Pixel));
}

// SRCCOPY between 32-bit surfaces without scaling: straight row copies,
// bottom to top when copying downwards within one surface.
void CopyRows32(Surface& dest, const RECT& r, const Surface& source, int dx, int dy) {
    const int left = std::max(r.left, dx);
    const int right = std::min(r.right, source.width + dx);
    const int top = std::max(r.top, dy);
    const int bottom = std::min(r.bottom, source.height + dy);
    if (left >= right || top >= bottom) return;
    const std::size_t bytes = static_cast<std::size_t>(right - left) * sizeof(Pixel);
    const bool upwards = &dest == &source && dy > 0;
    if (&dest != &source && IsWholeRows(dest, left, right) && IsWholeRows(source, left - dx, right - dx) &&
        dest.bottomUp == source.bottomUp) {
        // Whole rows of two equally laid out surfaces: one block.
        const int rows = bottom - top;
        const std::uint8_t* from = source.bottomUp ? source.Row(bottom - 1 - dy) : source.Row(top - dy);
        std::uint8_t* to = dest.bottomUp ? dest.Row(bottom - 1) : dest.Row(top);
        std::memcpy(to, from, bytes * static_cast<std::size_t>(rows));
        return;
    }
    for (int i = 0; i < bottom - top; ++i) {
        const int y = upwards ? bottom - 1 - i : top + i;
        std::memmove(reinterpret_cast<Pixel*>(dest.Row(y)) + left,
                     reinterpret_cast<const Pixel*>(source.Row(y - dy)) + (left - dx), bytes);
    }
}

}  // namespace

void SourceRop(DcObject& dest, const BlitGeometry& g, const Surface& sourceIn, const SourceConversion& conversion,
               const BrushPattern& pattern, BYTE rop) {
    if (!dest.surface) return;
    int x = g.x, y = g.y, width = g.width, height = g.height;
    int sx = g.sourceX, sy = g.sourceY, sw = g.sourceWidth, sh = g.sourceHeight;
    const bool mirrorX = Normalise(x, width) != Normalise(sx, sw);
    const bool mirrorY = Normalise(y, height) != Normalise(sy, sh);
    if (width == 0 || height == 0 || sw == 0 || sh == 0) return;
    if (RopUsesPattern(rop) && pattern.hollow) return;
    const RECT area{x, y, x + width, y + height};
    Surface& target = *dest.surface;
    const bool unscaled = width == sw && height == sh && !mirrorX && !mirrorY;
    if (unscaled && rop == RopIndex(SRCCOPY) && target.bitsPerPixel == 32 && sourceIn.bitsPerPixel == 32) {
        if (&sourceIn == &target && y > sy) {
            // Copying downwards within one surface: last band first.
            const auto visible = VisibleRects(dest, area);
            for (auto it = visible.rbegin(); it != visible.rend(); ++it) CopyRows32(target, *it, sourceIn, x - sx, y - sy);
        } else {
            ForEachVisibleRect(dest, area, [&](const RECT& r) { CopyRows32(target, r, sourceIn, x - sx, y - sy); });
        }
        return;
    }

    // A blit within one surface reads a snapshot, so it never sees its own output.
    std::shared_ptr<Surface> snapshot;
    if (&sourceIn == &target) {
        snapshot = CopySurface(sourceIn);
        if (!snapshot) return;
    }
    const Surface& source = snapshot ? *snapshot : sourceIn;
    const PixelFormat& sourceFormat = FormatOf(source);
    const PixelFormat& destFormat = FormatOf(target);
    const RopSpanFunction span = RopSpanFor(rop);

    // Source columns for the destination columns that can be visible.
    const int firstColumn = std::max(x, 0), endColumn = std::min(x + width, target.width);
    if (firstColumn >= endColumn) return;
    std::vector<int> columns(static_cast<std::size_t>(endColumn - firstColumn));
    for (int col = firstColumn; col < endColumn; ++col) {
        const int column = sx + MapIndex(col - x, width, sw, mirrorX);
        columns[static_cast<std::size_t>(col - firstColumn)] = column >= 0 && column < source.width ? column : -1;
    }
    std::vector<Pixel> destRow, sourceRow, patternRow;
    ForEachVisibleRect(dest, area, [&](const RECT& r) {
        const auto count = static_cast<std::size_t>(r.right - r.left);
        destRow.resize(count);
        sourceRow.resize(count);
        patternRow.resize(count);
        // A solid brush gives the same pattern row everywhere.
        if (RopUsesPattern(rop) && pattern.IsSolid()) pattern.Row(0, 0, static_cast<int>(count), patternRow.data());
        for (int row = r.top; row < r.bottom; ++row) {
            const int sourceRowIndex = sy + MapIndex(row - y, height, sh, mirrorY);
            if (sourceRowIndex < 0 || sourceRowIndex >= source.height) continue;
            int col = r.left;
            while (col < r.right) {
                if (columns[static_cast<std::size_t>(col - firstColumn)] < 0) {
                    ++col;
                    continue;
                }
                const int start = col;
                while (col < r.right && columns[static_cast<std::size_t>(col - firstColumn)] >= 0) ++col;
                const int n = col - start;
                const int* map = &columns[static_cast<std::size_t>(start - firstColumn)];
                if (unscaled) {
                    sourceFormat.read(source, map[0], sourceRowIndex, n, sourceRow.data());
                } else {
                    GatherColumns(source, sourceFormat, sourceRowIndex, map, n, sourceRow.data());
                }
                ConvertSource(sourceRow.data(), n, source.bitsPerPixel, target.bitsPerPixel, conversion);
                if (rop == RopIndex(SRCCOPY)) {
                    destFormat.write(target, start, row, n, sourceRow.data());
                    continue;
                }
                if (RopUsesDest(rop)) destFormat.read(target, start, row, n, destRow.data());
                if (RopUsesPattern(rop) && !pattern.IsSolid()) pattern.Row(start, row, n, patternRow.data());
                span(destRow.data(), sourceRow.data(), patternRow.data(), n, destFormat.mask);
                destFormat.write(target, start, row, n, destRow.data());
            }
        }
    });
}

}  // namespace detail

using namespace detail;

BOOL PatBlt(HDC hdc, int x, int y, int width, int height, DWORD rop) {
    DcObject* dc = FindDc(hdc);
    const BYTE index = RopIndex(rop);
    if (!dc || RopUsesSource(index)) return FALSE;
    Normalise(x, width);
    Normalise(y, height);
    PatternRop(*dc, RECT{x, y, x + width, y + height}, PatternOf(*dc, dc->brush), index);
    return TRUE;
}

BOOL StretchBlt(HDC dest, int x, int y, int width, int height, HDC source, int xSource, int ySource, int widthSource,
                int heightSource, DWORD rop) {
    DcObject* destDc = FindDc(dest);
    if (!destDc) return FALSE;
    const BYTE index = RopIndex(rop);
    if (!RopUsesSource(index)) return PatBlt(dest, x, y, width, height, rop);
    DcObject* sourceDc = FindDc(source);
    if (!sourceDc || !sourceDc->surface) return FALSE;
    const BlitGeometry geometry{x, y, width, height, xSource, ySource, widthSource, heightSource};
    const BrushPattern pattern = RopUsesPattern(index) ? PatternOf(*destDc, destDc->brush) : BrushPattern{};
    SourceRop(*destDc, geometry, *sourceDc->surface, ConversionFor(*destDc, sourceDc->bkColor), pattern, index);
    return TRUE;
}

BOOL BitBlt(HDC dest, int x, int y, int width, int height, HDC source, int xSource, int ySource, DWORD rop) {
    return StretchBlt(dest, x, y, width, height, source, xSource, ySource, width, height, rop);
}

}  // namespace gdi
