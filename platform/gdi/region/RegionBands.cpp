#include "platform/gdi/region/RegionBands.h"

namespace gdi::detail {

void BandBuilder::AddBand(int top, int bottom, const std::vector<Span>& spans) {
    if (top >= bottom) {
        return;
    }
    // Drop empty spans and join touching ones, so callers may hand over the
    // raw output of a merge or a scan line.
    tidy_.clear();
    for (const Span& span : spans) {
        if (span.left >= span.right) {
            continue;
        }
        if (!tidy_.empty() && tidy_.back().right >= span.left) {
            if (span.right > tidy_.back().right) {
                tidy_.back().right = span.right;
            }
            continue;
        }
        tidy_.push_back(span);
    }
    if (tidy_.empty()) {
        return;
    }
    if (LastBandContinuesWith(top, tidy_)) {
        for (std::size_t i = lastBandStart_; i < rects_.size(); ++i) {
            rects_[i].bottom = bottom;
        }
        return;
    }
    lastBandStart_ = rects_.size();
    for (const Span& span : tidy_) {
        rects_.push_back(RECT{span.left, top, span.right, bottom});
    }
}

bool BandBuilder::LastBandContinuesWith(int top, const std::vector<Span>& spans) const {
    if (rects_.empty() || rects_.back().bottom != top) {
        return false;
    }
    if (rects_.size() - lastBandStart_ != spans.size()) {
        return false;
    }
    for (std::size_t i = 0; i < spans.size(); ++i) {
        const RECT& rect = rects_[lastBandStart_ + i];
        if (rect.left != spans[i].left || rect.right != spans[i].right) {
            return false;
        }
    }
    return true;
}

} // namespace gdi::detail
