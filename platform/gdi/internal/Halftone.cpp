// HALFTONE stretching: the stretch mode that interpolates instead of picking
// or merging pixels. The rule, measured against the reference:
//
//  - Destination pixel k of an axis samples the source at origin + k * step,
//    step = source extent / destination extent, in the source surface's
//    coordinates (from 0 for a monochrome source, which is first converted
//    to a copy of its rectangle). The position is a single-precision sum:
//    the step is added once per pixel to the origin, so its rounding drifts
//    exactly as such a sum does. Growing and shrinking follow the same rule:
//    shrinking samples, it does not average.
//  - The sample lies between source pixels floor(p) and floor(p) + 1 (the
//    last pixel of the source rectangle when p is in its last pixel); the
//    weight of the second is p - floor(p).
//  - Mirrored, destination pixel k samples last - k * step instead (the step
//    subtracted k times from the rectangle's last pixel, a position below
//    the first pixel taking the first pixel); the pair around the position
//    is blended in the surface's order all the same. Mirrored blits of equal
//    size come here too.
//  - Each colour channel is interpolated along the rows first, rounded half
//    up to an integer, and those row values are interpolated down the
//    columns and rounded half up again (single precision throughout).
//  - Monochrome sources become their colours before they are interpolated
//    (a DIB section's colour table, else the destination's text and
//    background colours). The top bytes of 32-bit sources are left out: what
//    is interpolated has 0 there. A monochrome destination receives black
//    (0) as the stretched source.
//  - Only the visible part is stretched: a destination cut by the surface's
//    edges or the clip region's bounds, or a source rectangle reaching past
//    its surface, is first reduced to matching smaller rectangles
//    (CutToSource, CutSource), which are then stretched by the rules above.
//  - The raster operation then combines the stretched source with the
//    destination and the brush, pixel by pixel, as for every other blit.
#include "platform/gdi/internal/Halftone.h"

#include <algorithm>
#include <cstddef>
#include <vector>

namespace gdi::detail {

namespace {

// Interpolation yields colour channels alone: the top byte of what it
// stretches is 0, whatever the source's top bytes (measured under Wine).
constexpr Pixel kColorBits = 0xFFFFFF;

// The two source pixels and the second one's weight behind each destination
// pixel [first, end) of an axis, as indexes into the source surface.
struct Taps {
    std::vector<int> near, far;
    std::vector<float> weight;
};

// frameOrigin: the source rectangle's origin as the positions count it: its
// place in the surface, or 0 when the source was first converted to a copy of
// the rectangle alone.
void ComputeTaps(Taps& taps, int destExtent, int sourceOrigin, int sourceExtent, int frameOrigin,
                 bool mirrored, int first, int end) {
    const auto count = static_cast<std::size_t>(end - first);
    taps.near.resize(count);
    taps.far.resize(count);
    taps.weight.resize(count);
    const float step = static_cast<float>(sourceExtent) / static_cast<float>(destExtent);
    const int last = frameOrigin + sourceExtent - 1;
    const int shift = sourceOrigin - frameOrigin;
    if (!mirrored) {
        float position = static_cast<float>(frameOrigin);
        for (int k = 0; k < end; ++k, position += step) {
            if (k < first)
                continue;
            const int near = std::min(static_cast<int>(position), last);
            const std::size_t i = static_cast<std::size_t>(k - first);
            taps.near[i] = shift + near;
            taps.far[i] = shift + std::min(near + 1, last);
            taps.weight[i] = position - static_cast<float>(near);
        }
        return;
    }
    // Mirrored, the position starts on the rectangle's last pixel and the step
    // is taken off it; the pair is still read in the surface's order.
    float position = static_cast<float>(last);
    for (int k = 0; k < end; ++k, position -= step) {
        if (k < first)
            continue;
        const std::size_t i = static_cast<std::size_t>(k - first);
        if (position <= static_cast<float>(frameOrigin)) {
            taps.near[i] = taps.far[i] = shift + frameOrigin;
            taps.weight[i] = 0.0f;
            continue;
        }
        const int near = static_cast<int>(position);
        taps.near[i] = shift + near;
        taps.far[i] = shift + std::min(near + 1, last);
        taps.weight[i] = position - static_cast<float>(near);
    }
}

inline int Blend(int a, int b, float weight) {
    const float fa = static_cast<float>(a);
    return static_cast<int>(fa + static_cast<float>(b - a) * weight + 0.5f);
}

inline Pixel BlendPixel(Pixel a, Pixel b, float weight) {
    if (a == b || weight == 0.0f)
        return a;
    const int red = Blend(static_cast<int>(a >> 16 & 0xFF), static_cast<int>(b >> 16 & 0xFF), weight);
    const int green = Blend(static_cast<int>(a >> 8 & 0xFF), static_cast<int>(b >> 8 & 0xFF), weight);
    const int blue = Blend(static_cast<int>(a & 0xFF), static_cast<int>(b & 0xFF), weight);
    return static_cast<Pixel>(red << 16 | green << 8 | blue);
}

// One source row interpolated along the row at the prepared columns.
void InterpolateRow(const Surface& source, const SourceConversion& conversion, int row, const Taps& columns,
                    std::size_t from, std::size_t count, Pixel* out) {
    if (source.bitsPerPixel == 32) {
        const auto* pixels = reinterpret_cast<const Pixel*>(source.Row(row));
        for (std::size_t i = 0; i < count; ++i) {
            const std::size_t c = from + i;
            out[i] = BlendPixel(pixels[columns.near[c]] & kColorBits, pixels[columns.far[c]] & kColorBits,
                                columns.weight[c]);
        }
        return;
    }
    const std::uint8_t* bits = source.Row(row);
    auto colour = [&](int col) {
        return (bits[col >> 3] >> (7 - (col & 7))) & 1u ? conversion.monoOne : conversion.monoZero;
    };
    for (std::size_t i = 0; i < count; ++i) {
        const std::size_t c = from + i;
        out[i] = BlendPixel(colour(columns.near[c]), colour(columns.far[c]), columns.weight[c]);
    }
}

struct HalftoneScratch {
    Taps columns, rows;
    std::vector<Pixel> upper, lower, sourceRow, destRow, patternRow;
};

// A clipped destination is stretched anew: the part of the source behind the
// visible part is found and stretched over the visible part alone. With
// cutBefore / cutAfter destination pixels clipped off the ends nearer to and
// farther from the source origin, and v = cut * source / destination extent,
// floor(v) - 1 source pixels go from the origin's end and ceil(v) - 1 from the
// other; a source given with a negative extent loses ceil(v) - 2 and floor(v)
// instead. Axes that are not scaled follow the same rule.
void CutSource(int destExtent, bool sourceReversed, int cutBefore, int cutAfter, int& sourceOrigin,
               int& sourceExtent) {
    if (cutBefore == 0 && cutAfter == 0)
        return;
    const std::int64_t source = sourceExtent, dest = destExtent;
    const std::int64_t beforeFloor = cutBefore * source / dest,
                       beforeCeil = (cutBefore * source + dest - 1) / dest;
    const std::int64_t afterFloor = cutAfter * source / dest,
                       afterCeil = (cutAfter * source + dest - 1) / dest;
    const std::int64_t before = std::max<std::int64_t>(sourceReversed ? beforeCeil - 2 : beforeFloor - 1, 0);
    const std::int64_t after = std::max<std::int64_t>(sourceReversed ? afterFloor : afterCeil - 1, 0);
    const std::int64_t kept = std::max<std::int64_t>(source - before - after, 1);
    sourceOrigin += static_cast<int>(std::min<std::int64_t>(before, source - 1));
    sourceExtent = static_cast<int>(kept);
}

// A source rectangle reaching past the source surface keeps its inside part,
// and the destination loses what lay behind the rest: of cut source pixels,
// floor(cut * ratio) - 1 destination pixels go from the destination's lower
// end and ceil(cut * ratio) - 1 from its upper end (ratio = destination /
// source extent). False when nothing is left.
bool CutToSource(int sourceLimit, bool mirrored, int& origin, int& extent, int& sourceOrigin,
                 int& sourceExtent) {
    const std::int64_t before = std::max(0, -sourceOrigin);
    const std::int64_t after =
        std::max<std::int64_t>(0, std::int64_t{sourceOrigin} + sourceExtent - sourceLimit);
    if (before == 0 && after == 0)
        return true;
    if (before + after >= sourceExtent)
        return false;
    const std::int64_t destExtent = extent, fullSource = sourceExtent;
    auto lower = [&](std::int64_t cut) {
        return std::max<std::int64_t>(cut * destExtent / fullSource - 1, 0);
    };
    auto upper = [&](std::int64_t cut) {
        return std::max<std::int64_t>((cut * destExtent + fullSource - 1) / fullSource - 1, 0);
    };
    const std::int64_t destBefore = mirrored ? lower(after) : lower(before);
    const std::int64_t destAfter = mirrored ? upper(before) : upper(after);
    if (destBefore + destAfter >= destExtent)
        return false;
    sourceOrigin += static_cast<int>(before);
    sourceExtent -= static_cast<int>(before + after);
    origin += static_cast<int>(destBefore);
    extent -= static_cast<int>(destBefore + destAfter);
    return true;
}

} // namespace

void HalftoneSourceRop(DcObject& dest, const HalftoneGeometry& requested, const Surface& source,
                       const SourceConversion& conversion, const BrushPattern& pattern, BYTE rop) {
    Surface& target = *dest.surface;
    HalftoneGeometry whole = requested;
    if (!CutToSource(source.width, whole.mirrorX, whole.x, whole.width, whole.sourceX, whole.sourceWidth) ||
        !CutToSource(source.height, whole.mirrorY, whole.y, whole.height, whole.sourceY, whole.sourceHeight))
        return;
    // The visible box: the destination within the surface and the clip region's bounds.
    RECT box{std::max(whole.x, 0), std::max(whole.y, 0), std::min(whole.x + whole.width, target.width),
             std::min(whole.y + whole.height, target.height)};
    if (dest.clip) {
        const RECT bounds = dest.clip->Bounds();
        box = RECT{std::max(box.left, bounds.left), std::max(box.top, bounds.top),
                   std::min(box.right, bounds.right), std::min(box.bottom, bounds.bottom)};
    }
    if (box.left >= box.right || box.top >= box.bottom)
        return;
    HalftoneGeometry g = whole;
    g.x = box.left;
    g.y = box.top;
    g.width = box.right - box.left;
    g.height = box.bottom - box.top;
    const int cutLeft = box.left - whole.x, cutRight = whole.x + whole.width - box.right;
    const int cutTop = box.top - whole.y, cutBottom = whole.y + whole.height - box.bottom;
    CutSource(whole.width, whole.sourceReversedX, whole.mirrorX ? cutRight : cutLeft,
              whole.mirrorX ? cutLeft : cutRight, g.sourceX, g.sourceWidth);
    CutSource(whole.height, whole.sourceReversedY, whole.mirrorY ? cutBottom : cutTop,
              whole.mirrorY ? cutTop : cutBottom, g.sourceY, g.sourceHeight);
    const int firstColumn = g.x, endColumn = g.x + g.width;
    const int firstRow = g.y, endRow = g.y + g.height;
    // Working rows kept from blit to blit (blits never run inside each other): no allocation per blit.
    thread_local HalftoneScratch scratch;
    const bool monoTarget = target.bitsPerPixel == 1;
    if (!monoTarget) {
        // Monochrome sources are converted to colour first: their positions start at 0.
        const bool converted = source.bitsPerPixel == 1;
        ComputeTaps(scratch.columns, g.width, g.sourceX, g.sourceWidth, converted ? 0 : g.sourceX, g.mirrorX,
                    firstColumn - g.x, endColumn - g.x);
        ComputeTaps(scratch.rows, g.height, g.sourceY, g.sourceHeight, converted ? 0 : g.sourceY, g.mirrorY,
                    firstRow - g.y, endRow - g.y);
    }
    const PixelFormat& destFormat = FormatOf(target);
    const RopSpanFunction span = RopSpanFor(rop);
    const RECT area{g.x, g.y, g.x + g.width, g.y + g.height};
    ForEachVisibleRect(dest, area, [&](const RECT& r) {
        const auto count = static_cast<std::size_t>(r.right - r.left);
        const auto from = static_cast<std::size_t>(r.left - firstColumn);
        scratch.upper.resize(count);
        scratch.lower.resize(count);
        scratch.sourceRow.resize(count);
        scratch.destRow.resize(count);
        scratch.patternRow.resize(count);
        Pixel* sourceRow = scratch.sourceRow.data();
        if (monoTarget)
            std::fill_n(sourceRow, count, 0u);
        if (RopUsesPattern(rop) && pattern.IsSolid())
            pattern.Row(0, 0, static_cast<int>(count), scratch.patternRow.data());
        // The last two source rows interpolated along the row: neighbouring
        // destination rows mostly sample the same pair.
        Pixel* slots[2] = {scratch.upper.data(), scratch.lower.data()};
        int slotRows[2] = {-1, -1};
        // The slot holding source row `wanted`, filled if need be without
        // overwriting the slot holding `keep`.
        auto slotFor = [&](int wanted, int keep) -> const Pixel* {
            for (int i = 0; i < 2; ++i) {
                if (slotRows[i] == wanted)
                    return slots[i];
            }
            const int i = slotRows[0] == keep ? 1 : 0;
            InterpolateRow(source, conversion, wanted, scratch.columns, from, count, slots[i]);
            slotRows[i] = wanted;
            return slots[i];
        };
        for (int row = r.top; row < r.bottom; ++row) {
            if (!monoTarget) {
                const auto k = static_cast<std::size_t>(row - firstRow);
                const int near = scratch.rows.near[k], far = scratch.rows.far[k];
                const float weight = scratch.rows.weight[k];
                if (far == near || weight == 0.0f) {
                    std::copy_n(slotFor(near, -1), count, sourceRow);
                } else {
                    const Pixel* top = slotFor(near, far);
                    const Pixel* bottom = slotFor(far, near);
                    for (std::size_t i = 0; i < count; ++i)
                        sourceRow[i] = BlendPixel(top[i], bottom[i], weight);
                }
            }
            const int n = static_cast<int>(count);
            if (rop == RopIndex(SRCCOPY)) {
                destFormat.write(target, r.left, row, n, sourceRow);
                continue;
            }
            if (RopUsesDest(rop))
                destFormat.read(target, r.left, row, n, scratch.destRow.data());
            if (RopUsesPattern(rop) && !pattern.IsSolid())
                pattern.Row(r.left, row, n, scratch.patternRow.data());
            span(scratch.destRow.data(), sourceRow, scratch.patternRow.data(), n, destFormat.mask);
            destFormat.write(target, r.left, row, n, scratch.destRow.data());
        }
    });
}

} // namespace gdi::detail
