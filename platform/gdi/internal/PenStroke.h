// Drawing with the DC's pen: the pixels of lines, arcs and outlines go through
// a PenStroke, which applies the pen's width and its dash pattern. The pattern
// position carries over from one segment to the next, so a dotted polyline or
// rectangle outline keeps its rhythm around corners.
#pragma once

#include "platform/gdi/internal/Raster.h"

#include <cstdint>
#include <memory>
#include <vector>

namespace gdi::detail {

class PenStroke {
  public:
    explicit PenStroke(DcObject& dc);
    bool IsNull() const { return null_; }
    int Width() const { return width_; }
    bool IsStyled() const { return dashCount_ > 0; }
    // A one-pixel pen without dashes: its path pixels may be painted in runs.
    bool IsSolidThin() const { return !null_ && width_ == 1 && dashCount_ == 0; }
    Pixel Color() const { return color_; }
    DcObject& Dc() const { return dc_; }
    // One pixel of the path: painted, skipped or painted in the background
    // colour, by the dash pattern; wide pens paint a square centred on it.
    void Plot(int x, int y);
    // Advances the dash pattern over count pixels that are not drawn.
    void Skip(std::int64_t count);
    // Path pixels outside this box cannot paint anything.
    RECT Reach() const;

  private:
    void Stamp(int x, int y, Pixel value);
    DcObject& dc_;
    bool null_ = false;
    int width_ = 1;
    Pixel color_ = 0;
    Pixel background_ = 0;
    bool opaqueGaps_ = false;
    const int* dashes_ = nullptr;
    int dashCount_ = 0;
    int dashIndex_ = 0;
    int dashLeft_ = 0;
};

// The round tip of a pen w pixels wide (w >= 2), as Windows paints it for a
// line of no length: the pixels of the elliptic region of a w x w box whose
// top left pixel lies w / 2 above and left of the path pixel (a 2 x 2 square
// for two pixels, a plus shape for three, cut corners from four on). Rows
// are numbered from the top of the tip, 0 .. w - 1, and spans are offsets
// from the path pixel, both ends included.
class PenTip {
  public:
    explicit PenTip(int width);
    int Width() const { return width_; }
    int Above() const { return width_ / 2; } // rows above the path pixel
    int Left(int row) const { return Outer(row) - width_ / 2; }
    int Right(int row) const { return width_ - 1 - Outer(row) - width_ / 2; }
    // The widest row in [first, last] (clamped to the tip's rows).
    int WidestIn(int first, int last) const;

  private:
    int Outer(int row) const;
    int width_;
    std::shared_ptr<const std::vector<int>> cuts_; // the top half's rows: columns cut at each end
};

// Strokes the line from a to b without b (Bresenham, x- or y-major; exact
// half steps go to the smaller row or column). Pixels far outside the
// surface are skipped without visiting them, keeping the dash phase.
void StrokeLine(PenStroke& pen, POINT a, POINT b);

// The general path of StrokeLine, one pixel at a time; StrokeLine takes a
// faster road to the same pixels for solid one-pixel pens.
void StrokeLinePixelwise(PenStroke& pen, POINT a, POINT b);

// A span of pixels on one row, both ends included.
struct RowSpan {
    std::int64_t first, last;
};
// Paints the union of up to four spans on a row in a pattern (clipped): the
// row of a wide pen's stroke, where the tips and sides overlap.
void PaintSpans(DcObject& dc, int row, RowSpan* spans, int count, const BrushPattern& color);

} // namespace gdi::detail
