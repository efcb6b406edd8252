#include "platform/gdi/internal/PenStroke.h"

namespace gdi::detail {

namespace {

// The cosmetic dash patterns of Windows, in pixels: on, off, on, off...
constexpr int kDash[] = {18, 6};
constexpr int kDot[] = {3, 3};
constexpr int kDashDot[] = {9, 6, 3, 6};
constexpr int kDashDotDot[] = {9, 3, 3, 3, 3, 3};

}  // namespace

PenStroke::PenStroke(DcObject& dc) : dc_(dc) {
    const PenObject* pen = FindPen(dc.pen);
    const int bpp = dc.surface ? dc.surface->bitsPerPixel : 32;
    if (!pen || pen->style == PS_NULL || !dc.surface) {
        null_ = true;
        return;
    }
    width_ = pen->width;
    color_ = ColorToPixel(pen->color, bpp);
    background_ = ColorToPixel(dc.bkColor, bpp);
    opaqueGaps_ = dc.bkMode == OPAQUE;
    // Styles apply to one-pixel pens only; wider pens draw solid.
    if (width_ == 1) {
        switch (pen->style) {
            case PS_DASH: dashes_ = kDash; dashCount_ = 2; break;
            case PS_DOT: dashes_ = kDot; dashCount_ = 2; break;
            case PS_DASHDOT: dashes_ = kDashDot; dashCount_ = 4; break;
            case PS_DASHDOTDOT: dashes_ = kDashDotDot; dashCount_ = 6; break;
            default: break;
        }
        if (dashCount_ > 0) dashLeft_ = dashes_[0];
    }
}

void PenStroke::Plot(int x, int y) {
    if (null_) return;
    if (dashCount_ == 0) {
        Stamp(x, y, color_);
        return;
    }
    const bool on = (dashIndex_ & 1) == 0;
    if (on) {
        Stamp(x, y, color_);
    } else if (opaqueGaps_) {
        Stamp(x, y, background_);
    }
    if (--dashLeft_ == 0) {
        dashIndex_ = (dashIndex_ + 1) % dashCount_;
        dashLeft_ = dashes_[dashIndex_];
    }
}

void PenStroke::Stamp(int x, int y, Pixel value) {
    if (width_ == 1) {
        PutPixel(dc_, x, y, value);
        return;
    }
    const int first = width_ / 2;
    for (int dy = 0; dy < width_; ++dy) {
        for (int dx = 0; dx < width_; ++dx) PutPixel(dc_, x - first + dx, y - first + dy, value);
    }
}

}  // namespace gdi::detail
