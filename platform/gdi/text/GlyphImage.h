// One rendered glyph as the text engine keeps it: its advance and the inked
// pixels relative to the pen position on the baseline. Glyphs are rendered
// once per face and replayed on every redraw.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace gdi::detail {

struct InkPixel {
    std::int16_t dx;
    std::int16_t dy; // negative above the baseline
};

// A run of inked pixels on one row: count pixels from (dx, dy) rightwards.
struct InkRun {
    std::int16_t dx;
    std::int16_t dy;
    std::int16_t count;
};

// The smallest box round a glyph's ink, right and bottom exclusive, in the
// coordinates of its runs; all zero when there is no ink.
struct InkBox {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

// The widest glyph that is also kept as row masks.
inline constexpr int kMaskedWidth = 64;

struct GlyphImage {
    int advance = 0;
    std::vector<InkPixel> ink;
    std::vector<InkRun> runs; // the same pixels as ink, row by row, for drawing
    InkBox box;               // round runs, kept so drawing need not walk them to find it
    // The same pixels once more, a bit mask per row of box (bit i: column
    // box.left + i), for glyphs at most kMaskedWidth wide; empty for wider ones.
    std::vector<std::uint64_t> rows;
};

// A 1-bit glyph bitmap while it is being shaped (synthetic bold and italic),
// one byte per pixel. Row 0 is `top` pixels above the baseline.
struct GlyphBitmap {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> pixels; // width * height, 0 or 1

    bool At(int x, int y) const { return pixels[static_cast<std::size_t>(y * width + x)] != 0; }
};

// Windows thickens a simulated bold glyph by printing it again one pixel to
// the right; the advance grows by that pixel.
GlyphBitmap Embolden(const GlyphBitmap& bitmap);
// Slants rows right in proportion to their height above the baseline.
GlyphBitmap Slant(const GlyphBitmap& bitmap);
std::vector<InkPixel> InkOf(const GlyphBitmap& bitmap);
// The inked pixels as horizontal runs, top row first.
std::vector<InkRun> RunsOf(const std::vector<InkPixel>& ink);
// The box round runs.
InkBox BoxOf(const InkRun* runs, std::size_t count);
// The rows of GlyphImage::rows for runs with box round them.
std::vector<std::uint64_t> RowMasksOf(const std::vector<InkRun>& runs, const InkBox& box);

} // namespace gdi::detail
