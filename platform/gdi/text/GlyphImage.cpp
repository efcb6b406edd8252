#include "platform/gdi/text/GlyphImage.h"

#include <algorithm>

namespace gdi::detail {

namespace {

// One pixel of horizontal shift per this many rows: about the 12° slant of
// typical italics.
constexpr int kRowsPerSlantStep = 4;

int FloorDivide(int value, int divisor) {
    const int quotient = value / divisor;
    return (value % divisor != 0 && value < 0) ? quotient - 1 : quotient;
}

} // namespace

GlyphBitmap Embolden(const GlyphBitmap& bitmap) {
    if (bitmap.width == 0 || bitmap.height == 0) {
        return bitmap;
    }
    GlyphBitmap bold = bitmap;
    bold.width = bitmap.width + 1;
    bold.pixels.assign(static_cast<std::size_t>(bold.width * bold.height), 0);
    for (int y = 0; y < bitmap.height; ++y) {
        for (int x = 0; x < bitmap.width; ++x) {
            if (bitmap.At(x, y)) {
                bold.pixels[static_cast<std::size_t>(y * bold.width + x)] = 1;
                bold.pixels[static_cast<std::size_t>(y * bold.width + x + 1)] = 1;
            }
        }
    }
    return bold;
}

GlyphBitmap Slant(const GlyphBitmap& bitmap) {
    if (bitmap.width == 0 || bitmap.height == 0) {
        return bitmap;
    }
    // Row y lies (top - y) pixels above the baseline; the bottom row sets the
    // smallest shift, which becomes the new left edge.
    const auto shiftOf = [&](int y) { return FloorDivide(bitmap.top - 1 - y, kRowsPerSlantStep); };
    const int minShift = shiftOf(bitmap.height - 1);
    const int maxShift = shiftOf(0);
    GlyphBitmap slanted = bitmap;
    slanted.left = bitmap.left + minShift;
    slanted.width = bitmap.width + (maxShift - minShift);
    slanted.pixels.assign(static_cast<std::size_t>(slanted.width * slanted.height), 0);
    for (int y = 0; y < bitmap.height; ++y) {
        const int offset = shiftOf(y) - minShift;
        for (int x = 0; x < bitmap.width; ++x) {
            if (bitmap.At(x, y)) {
                slanted.pixels[static_cast<std::size_t>(y * slanted.width + x + offset)] = 1;
            }
        }
    }
    return slanted;
}

std::vector<InkPixel> InkOf(const GlyphBitmap& bitmap) {
    std::vector<InkPixel> ink;
    for (int y = 0; y < bitmap.height; ++y) {
        for (int x = 0; x < bitmap.width; ++x) {
            if (bitmap.At(x, y)) {
                ink.push_back(
                    {static_cast<std::int16_t>(bitmap.left + x), static_cast<std::int16_t>(y - bitmap.top)});
            }
        }
    }
    return ink;
}

std::vector<InkRun> RunsOf(const std::vector<InkPixel>& ink) {
    // InkOf lists pixels row by row, left to right: neighbours on a row join a run.
    std::vector<InkRun> runs;
    for (const InkPixel& pixel : ink) {
        if (!runs.empty()) {
            InkRun& last = runs.back();
            if (last.dy == pixel.dy && last.dx + last.count == pixel.dx && last.count < INT16_MAX) {
                ++last.count;
                continue;
            }
        }
        runs.push_back({pixel.dx, pixel.dy, 1});
    }
    return runs;
}

InkBox BoxOf(const InkRun* runs, std::size_t count) {
    if (count == 0)
        return InkBox{};
    InkBox box{runs[0].dx, runs[0].dy, runs[0].dx + runs[0].count, runs[0].dy + 1};
    for (std::size_t i = 1; i < count; ++i) {
        box.left = std::min<int>(box.left, runs[i].dx);
        box.right = std::max(box.right, runs[i].dx + runs[i].count);
        box.top = std::min<int>(box.top, runs[i].dy);
        box.bottom = std::max(box.bottom, runs[i].dy + 1);
    }
    return box;
}

std::vector<std::uint64_t> RowMasksOf(const std::vector<InkRun>& runs, const InkBox& box) {
    std::vector<std::uint64_t> rows;
    if (runs.empty() || box.right - box.left > kMaskedWidth)
        return rows;
    rows.assign(static_cast<std::size_t>(box.bottom - box.top), 0);
    for (const InkRun& run : runs) {
        for (int column = run.dx - box.left; column < run.dx - box.left + run.count; ++column)
            rows[static_cast<std::size_t>(run.dy - box.top)] |= std::uint64_t{1} << column;
    }
    return rows;
}

} // namespace gdi::detail
