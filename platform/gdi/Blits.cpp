// Block transfers: PatBlt, BitBlt and StretchBlt over every ternary raster
// operation, with the Windows monochrome <-> colour conversion. One routine
// (SourceRop) does all source work; plain copies and fills take fast paths.
#include "platform/gdi/gdi.h"
#include "platform/gdi/internal/Halftone.h"
#include "platform/gdi/internal/Raster.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace gdi {

namespace detail {

namespace {

// A signed extent as a start and a positive length, both clamped to the
// coordinate range; true when it was mirrored. A negative extent covers the
// origin and the pixels before it.
bool Normalise(int& origin, int& extent) {
    std::int64_t start = origin, length = extent;
    const bool mirrored = length < 0;
    if (mirrored) {
        start += length + 1;
        length = -length;
    }
    origin = ClampCoordinate(start);
    extent = ClampCoordinate(length);
    return mirrored;
}

// Converts source values that are not in the destination's format already.
void ConvertSource(Pixel* values, int count, int sourceBpp, int destBpp, const SourceConversion& conversion) {
    if (sourceBpp == 1) {
        for (int i = 0; i < count; ++i)
            values[i] = values[i] ? conversion.monoOne : conversion.monoZero;
        return;
    }
    for (int i = 0; i < count; ++i)
        values[i] = conversion.Convert(values[i], sourceBpp, destBpp);
}

// How pixels that a shrinking blit drops are merged into the ones it keeps
// (HALFTONE interpolates instead and has its own road).
enum class Shrink { Nearest, And, Or };

Shrink ShrinkFor(int stretchMode) {
    switch (stretchMode) {
    case BLACKONWHITE:
        return Shrink::And; // the Windows default: black survives
    case WHITEONBLACK:
        return Shrink::Or;
    default:
        return Shrink::Nearest;
    }
}

// The source indexes [first, end) behind destination index i of one axis.
// Growing, each destination pixel takes the source pixel under its centre
// (a centre on a source pixel's edge takes the earlier pixel). Shrinking,
// every source pixel k goes to the destination pixel
// ((2k + 1) * dest - 1) / (2 * source): the destination pixel merges that run
// of source pixels (stretch modes), or keeps one of them: the last of a run
// of columns, the first of a run of rows. Shrinking to a single pixel leaves
// out the source's last pixel. Mirrored axes take the runs in reverse order.
struct SourceRange {
    int first, end;
};
SourceRange ShrinkRange(int i, int destExtent, int sourceExtent, bool merge, bool keepLast) {
    const std::int64_t dw = destExtent, sw = sourceExtent;
    auto firstOf = [&](std::int64_t d) { // the first source pixel that goes to d or later
        const std::int64_t numerator = 2 * sw * d + 1 - dw;
        return numerator <= 0 ? std::int64_t{0} : (numerator + 2 * dw - 1) / (2 * dw);
    };
    std::int64_t first = firstOf(i), end = firstOf(std::int64_t{i} + 1);
    if (destExtent == 1) {
        first = 0;
        end = std::max<std::int64_t>(sw - 1, 1);
    }
    if (!merge && keepLast)
        first = end - 1;
    else if (!merge)
        end = first + 1;
    return {static_cast<int>(first), static_cast<int>(end)};
}

inline SourceRange RangeFor(int i, int destExtent, int sourceExtent, bool mirror, bool merge, bool keepLast) {
    if (mirror)
        i = destExtent - 1 - i;
    if (destExtent == sourceExtent)
        return {i, i + 1};
    if (sourceExtent < destExtent) {
        const auto j =
            static_cast<int>(((2 * std::int64_t{i} + 1) * sourceExtent - 1) / (2 * std::int64_t{destExtent}));
        return {j, j + 1};
    }
    return ShrinkRange(i, destExtent, sourceExtent, merge, keepLast);
}

// Offsets a range by the source origin and clips it to the surface; first is -1 when nothing is left.
SourceRange Placed(SourceRange range, int origin, int limit) {
    range.first = std::max(range.first + origin, 0);
    range.end = std::min(range.end + origin, limit);
    if (range.first >= range.end)
        range.first = -1;
    return range;
}

// Merges the source blocks rows [rowFirst, rowEnd) x columns [first[i], end[i]),
// reading pixels through get(row bits, column) in the destination's format:
// one instance per case and operation, so the inner loops make no indirect
// call and take no branch. The merge goes row by row over all blocks (an AND
// or OR does not depend on the order).
template <bool And, typename Get>
void MergeBlocksAs(const Surface& source, Get get, Pixel mask, SourceRange rows, const int* first,
                   const int* end, int count, Pixel* out) {
    std::fill_n(out, count, And ? mask : 0u);
    for (int row = rows.first; row < rows.end; ++row) {
        const std::uint8_t* bits = source.Row(row);
        for (int i = 0; i < count; ++i) {
            Pixel value = out[i];
            for (int col = first[i]; col < end[i]; ++col)
                value = And ? (value & get(bits, col)) : (value | get(bits, col));
            out[i] = value;
        }
    }
}
template <typename Get>
void MergeBlocksWith(const Surface& source, Get get, Pixel mask, SourceRange rows, const int* first,
                     const int* end, int count, Shrink mode, Pixel* out) {
    if (mode == Shrink::And)
        MergeBlocksAs<true>(source, get, mask, rows, first, end, count, out);
    else
        MergeBlocksAs<false>(source, get, mask, rows, first, end, count, out);
}

// The merge of a shrinking blit, in the destination's format: pixels of
// another format are converted first, so the colours of a monochrome source
// (not its bits) are merged onto a colour destination, and the bits a colour
// source becomes onto a monochrome one (measured under Wine).
void MergeBlocks(const Surface& source, const PixelFormat& destFormat, int destBpp,
                 const SourceConversion& conversion, SourceRange rows, const int* first, const int* end,
                 int count, Shrink mode, Pixel* out) {
    const Pixel mask = destFormat.mask;
    const auto bit = [](const std::uint8_t* bits, int col) -> Pixel {
        return (bits[col >> 3] >> (7 - (col & 7))) & 1u;
    };
    const auto pixel = [](const std::uint8_t* bits, int col) {
        return reinterpret_cast<const Pixel*>(bits)[col];
    };
    const int sourceBpp = source.bitsPerPixel;
    if (conversion.IsIdentity(sourceBpp, destBpp)) {
        if (sourceBpp == 32)
            MergeBlocksWith(source, pixel, mask, rows, first, end, count, mode, out);
        else
            MergeBlocksWith(source, bit, mask, rows, first, end, count, mode, out);
        return;
    }
    if (sourceBpp == 1) {
        const auto converted = [&](const std::uint8_t* bits, int col) {
            return bit(bits, col) ? conversion.monoOne : conversion.monoZero;
        };
        MergeBlocksWith(source, converted, mask, rows, first, end, count, mode, out);
        return;
    }
    const auto converted = [&](const std::uint8_t* bits, int col) {
        return conversion.Convert(pixel(bits, col), 32, destBpp);
    };
    MergeBlocksWith(source, converted, mask, rows, first, end, count, mode, out);
}

// Source pixels of one row at the given columns (for scaled or mirrored blits).
void GatherColumns(const Surface& source, int row, const int* columns, int count, Pixel* out) {
    if (source.bitsPerPixel == 32) {
        const auto* pixels = reinterpret_cast<const Pixel*>(source.Row(row));
        for (int i = 0; i < count; ++i)
            out[i] = pixels[columns[i]];
        return;
    }
    const std::uint8_t* bits = source.Row(row);
    for (int i = 0; i < count; ++i)
        out[i] = (bits[columns[i] >> 3] >> (7 - (columns[i] & 7))) & 1u;
}

// True when [left, right) is every pixel of each row and rows follow each other without padding.
bool IsWholeRows(const Surface& surface, int left, int right) {
    return left == 0 && right == surface.width &&
           surface.stride == surface.width * static_cast<int>(sizeof(Pixel));
}

// SRCCOPY between 32-bit surfaces without scaling: straight row copies,
// bottom to top when copying downwards within one surface.
void CopyRows32(Surface& dest, const RECT& r, const Surface& source, int dx, int dy) {
    const int left = std::max(r.left, dx);
    const int right = std::min(r.right, source.width + dx);
    const int top = std::max(r.top, dy);
    const int bottom = std::min(r.bottom, source.height + dy);
    if (left >= right || top >= bottom)
        return;
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

struct BlitScratch {
    std::vector<int> columns, columnEnds;
    std::vector<Pixel> destRow, sourceRow, patternRow;
};

} // namespace

// A negative extent covers the pixels before the origin and the origin itself:
// x + width + 1 up to x + 1.
RECT PatBltArea(int x, int y, int width, int height) {
    auto span = [](int origin, int extent, LONG& first, LONG& end) {
        std::int64_t a = origin, b = std::int64_t{origin} + extent;
        if (extent < 0) {
            a = b + 1;
            b = std::int64_t{origin} + 1;
        }
        first = ClampCoordinate(a);
        end = ClampCoordinate(b);
    };
    RECT area{};
    span(x, width, area.left, area.right);
    span(y, height, area.top, area.bottom);
    return area;
}

bool SourceRop(DcObject& dest, const BlitGeometry& g, const Surface& sourceIn,
               const SourceConversion& conversion, const BrushPattern& pattern, BYTE rop, int stretchMode) {
    if (!dest.surface)
        return true;
    int x = g.x, y = g.y, width = g.width, height = g.height;
    int sx = g.sourceX, sy = g.sourceY, sw = g.sourceWidth, sh = g.sourceHeight;
    const bool sourceReversedX = Normalise(sx, sw), sourceReversedY = Normalise(sy, sh);
    const bool mirrorX = Normalise(x, width) != sourceReversedX;
    const bool mirrorY = Normalise(y, height) != sourceReversedY;
    if (width == 0 || height == 0 || sw == 0 || sh == 0)
        return true;
    if (RopUsesPattern(rop) && pattern.hollow)
        return true;
    const RECT area{x, y, x + width, y + height};
    Surface& target = *dest.surface;
    const bool unscaled = width == sw && height == sh && !mirrorX && !mirrorY;
    // Within one clipped surface the pieces could overwrite each other's
    // source, so that case goes through the snapshot below.
    const bool selfClipped = &sourceIn == &target && dest.clip;
    if (unscaled && rop == RopIndex(SRCCOPY) && target.bitsPerPixel == 32 && sourceIn.bitsPerPixel == 32 &&
        !selfClipped) {
        ForEachVisibleRect(dest, area,
                           [&](const RECT& r) { CopyRows32(target, r, sourceIn, x - sx, y - sy); });
        return true;
    }

    const bool halftone = stretchMode == HALFTONE && !unscaled;
    // Windows interpolates onto a 1-bpp DIB section by a rule of its own,
    // which the layer does not follow: the blit fails instead.
    if (halftone && target.hasColorTable)
        return false;
    // A blit within one surface reads a snapshot, so it never sees its own output.
    std::shared_ptr<Surface> snapshot;
    if (&sourceIn == &target) {
        snapshot = CopySurface(sourceIn);
        if (!snapshot)
            return true;
    }
    const Surface& source = snapshot ? *snapshot : sourceIn;
    if (halftone) {
        HalftoneSourceRop(dest,
                          HalftoneGeometry{x, y, width, height, sx, sy, sw, sh, mirrorX, mirrorY,
                                           sourceReversedX, sourceReversedY},
                          source, conversion, pattern, rop);
        return true;
    }
    const PixelFormat& sourceFormat = FormatOf(source);
    const PixelFormat& destFormat = FormatOf(target);
    const RopSpanFunction span = RopSpanFor(rop);
    const bool convert = !conversion.IsIdentity(source.bitsPerPixel, target.bitsPerPixel);

    // Source columns for the destination columns that can be visible.
    const Shrink shrink = unscaled ? Shrink::Nearest : ShrinkFor(stretchMode);
    const bool mergeColumns = shrink != Shrink::Nearest && sw > width;
    const bool mergeRows = shrink != Shrink::Nearest && sh > height;
    const int firstColumn = std::max(x, 0), endColumn = std::min(x + width, target.width);
    if (firstColumn >= endColumn)
        return true;
    // Working rows kept from blit to blit (SourceRop never runs inside itself): no allocation per blit.
    thread_local BlitScratch scratch;
    std::vector<int>& columns = scratch.columns;
    std::vector<int>& columnEnds = scratch.columnEnds;
    columns.resize(static_cast<std::size_t>(endColumn - firstColumn));
    columnEnds.resize(columns.size());
    for (int col = firstColumn; col < endColumn; ++col) {
        const SourceRange range =
            Placed(RangeFor(col - x, width, sw, mirrorX, mergeColumns, true), sx, source.width);
        columns[static_cast<std::size_t>(col - firstColumn)] = range.first;
        columnEnds[static_cast<std::size_t>(col - firstColumn)] = range.end;
    }
    std::vector<Pixel>& destRow = scratch.destRow;
    std::vector<Pixel>& sourceRow = scratch.sourceRow;
    std::vector<Pixel>& patternRow = scratch.patternRow;
    ForEachVisibleRect(dest, area, [&](const RECT& r) {
        const auto count = static_cast<std::size_t>(r.right - r.left);
        destRow.resize(count);
        sourceRow.resize(count);
        patternRow.resize(count);
        // A solid brush gives the same pattern row everywhere.
        if (RopUsesPattern(rop) && pattern.IsSolid())
            pattern.Row(0, 0, static_cast<int>(count), patternRow.data());
        for (int row = r.top; row < r.bottom; ++row) {
            const SourceRange rows =
                Placed(RangeFor(row - y, height, sh, mirrorY, mergeRows, false), sy, source.height);
            if (rows.first < 0)
                continue;
            const int sourceRowIndex = rows.first;
            int col = r.left;
            while (col < r.right) {
                if (columns[static_cast<std::size_t>(col - firstColumn)] < 0) {
                    ++col;
                    continue;
                }
                const int start = col;
                while (col < r.right && columns[static_cast<std::size_t>(col - firstColumn)] >= 0)
                    ++col;
                const int n = col - start;
                const int* map = &columns[static_cast<std::size_t>(start - firstColumn)];
                if (unscaled) {
                    sourceFormat.read(source, map[0], sourceRowIndex, n, sourceRow.data());
                    if (convert)
                        ConvertSource(sourceRow.data(), n, source.bitsPerPixel, target.bitsPerPixel, conversion);
                } else if (mergeColumns || mergeRows) {
                    MergeBlocks(source, destFormat, target.bitsPerPixel, conversion, rows, map,
                                &columnEnds[static_cast<std::size_t>(start - firstColumn)], n, shrink,
                                sourceRow.data());
                } else {
                    GatherColumns(source, sourceRowIndex, map, n, sourceRow.data());
                    if (convert)
                        ConvertSource(sourceRow.data(), n, source.bitsPerPixel, target.bitsPerPixel, conversion);
                }
                if (rop == RopIndex(SRCCOPY)) {
                    destFormat.write(target, start, row, n, sourceRow.data());
                    continue;
                }
                if (RopUsesDest(rop))
                    destFormat.read(target, start, row, n, destRow.data());
                if (RopUsesPattern(rop) && !pattern.IsSolid())
                    pattern.Row(start, row, n, patternRow.data());
                span(destRow.data(), sourceRow.data(), patternRow.data(), n, destFormat.mask);
                destFormat.write(target, start, row, n, destRow.data());
            }
        }
    });
    return true;
}

} // namespace detail

using namespace detail;

BOOL PatBlt(HDC hdc, int x, int y, int width, int height, DWORD rop) {
    DcObject* dc = FindDc(hdc);
    const BYTE index = RopIndex(rop);
    if (!dc || RopUsesSource(index))
        return FALSE;
    const BrushPattern pattern = PatternOf(*dc, dc->brush);
    if (RopUsesPattern(index) && pattern.unsupported)
        return FALSE;
    PatternRop(*dc, PatBltArea(x, y, width, height), pattern, index);
    return TRUE;
}

BOOL StretchBlt(HDC dest, int x, int y, int width, int height, HDC source, int xSource, int ySource,
                int widthSource, int heightSource, DWORD rop) {
    DcObject* destDc = FindDc(dest);
    if (!destDc)
        return FALSE;
    const BYTE index = RopIndex(rop);
    if (!RopUsesSource(index))
        return PatBlt(dest, x, y, width, height, rop);
    DcObject* sourceDc = FindDc(source);
    if (!sourceDc || !sourceDc->surface)
        return FALSE;
    const BlitGeometry geometry{x, y, width, height, xSource, ySource, widthSource, heightSource};
    const BrushPattern pattern = RopUsesPattern(index) ? PatternOf(*destDc, destDc->brush) : BrushPattern{};
    if (pattern.unsupported)
        return FALSE;
    const Surface& sourceSurface = *sourceDc->surface;
    return SourceRop(*destDc, geometry, sourceSurface,
                     ConversionFor(*destDc, sourceSurface, sourceDc->bkColor), pattern, index,
                     destDc->stretchMode)
               ? TRUE
               : FALSE;
}

BOOL BitBlt(HDC dest, int x, int y, int width, int height, HDC source, int xSource, int ySource, DWORD rop) {
    return StretchBlt(dest, x, y, width, height, source, xSource, ySource, width, height, rop);
}

} // namespace gdi
