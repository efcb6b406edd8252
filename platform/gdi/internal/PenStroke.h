// Drawing with the DC's pen: the pixels of lines, arcs and outlines go through
// a PenStroke, which applies the pen's width and its dash pattern. The pattern
// position carries over from one segment to the next, so a dotted polyline or
// rectangle outline keeps its rhythm around corners.
#pragma once

#include "platform/gdi/internal/Raster.h"

namespace gdi::detail {

class PenStroke {
public:
    explicit PenStroke(DcObject& dc);
    bool IsNull() const { return null_; }
    int Width() const { return width_; }
    bool IsStyled() const { return dashCount_ > 0; }
    Pixel Color() const { return color_; }
    // One pixel of the path: painted, skipped or painted in the background
    // colour, by the dash pattern; wide pens paint a square centred on it.
    void Plot(int x, int y);

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

// The pixels of a line from a to b, without b (Bresenham, x- or y-major).
template <typename Plot>
void ForEachLinePixel(POINT a, POINT b, Plot&& plot) {
    const std::int64_t dx = std::int64_t{b.x} - a.x, dy = std::int64_t{b.y} - a.y;
    const std::int64_t adx = dx < 0 ? -dx : dx, ady = dy < 0 ? -dy : dy;
    const int sx = dx < 0 ? -1 : 1, sy = dy < 0 ? -1 : 1;
    const std::int64_t steps = adx > ady ? adx : ady;
    // Minor coordinate rounded to nearest; exact halves stay at the earlier value.
    for (std::int64_t i = 0; i < steps; ++i) {
        if (adx >= ady) {
            const std::int64_t minor = (2 * i * ady + adx - 1) / (2 * adx);
            plot(static_cast<int>(a.x + sx * i), static_cast<int>(a.y + sy * minor));
        } else {
            const std::int64_t minor = (2 * i * adx + ady - 1) / (2 * ady);
            plot(static_cast<int>(a.x + sx * minor), static_cast<int>(a.y + sy * i));
        }
    }
}

}  // namespace gdi::detail
