// The read-only side of a region and its simplest constructor: lookups by
// row, bounds, clipping a rectangle, moving.
#include "platform/gdi/region/Region.h"

#include <algorithm>
#include <climits>

namespace gdi::detail {

namespace {

using RectIterator = std::vector<RECT>::const_iterator;

// The rectangles of the band that holds row y, or an empty range.
std::pair<RectIterator, RectIterator> BandAt(const std::vector<RECT>& rects, int y) {
    // Bottoms never decrease along the list, so the first rectangle ending
    // below y starts the only band that can hold it.
    auto first =
        std::partition_point(rects.begin(), rects.end(), [y](const RECT& rect) { return rect.bottom <= y; });
    if (first == rects.end() || first->top > y) {
        return {rects.end(), rects.end()};
    }
    const int bandTop = first->top;
    auto last = std::find_if(first, rects.end(), [bandTop](const RECT& rect) { return rect.top != bandTop; });
    return {first, last};
}

bool FitsInt(long long value) {
    return value >= INT_MIN && value <= INT_MAX;
}

} // namespace

Region Region::FromRect(int left, int top, int right, int bottom) {
    if (left > right) {
        std::swap(left, right);
    }
    if (top > bottom) {
        std::swap(top, bottom);
    }
    if (left == right || top == bottom) {
        return Region();
    }
    return Region(std::vector<RECT>{RECT{left, top, right, bottom}});
}

int Region::Kind() const {
    if (rects_.empty()) {
        return NULLREGION;
    }
    return Layout().size() == 1 ? SIMPLEREGION : COMPLEXREGION;
}

RECT Region::Bounds() const {
    if (rects_.empty()) {
        return RECT{0, 0, 0, 0};
    }
    const std::vector<RECT>& rects = Layout();
    RECT bounds{rects.front().left, rects.front().top, rects.front().right, rects.back().bottom};
    for (const RECT& rect : rects) {
        bounds.left = std::min(bounds.left, rect.left);
        bounds.right = std::max(bounds.right, rect.right);
    }
    return bounds;
}

bool Region::Contains(int x, int y) const {
    auto [first, last] = BandAt(rects_, y);
    auto span = std::partition_point(first, last, [x](const RECT& rect) { return rect.right <= x; });
    return span != last && span->left <= x;
}

bool Region::CanOffset(int dx, int dy) const {
    if (rects_.empty()) {
        return true;
    }
    const RECT bounds = Bounds();
    return FitsInt(static_cast<long long>(bounds.left) + dx) &&
           FitsInt(static_cast<long long>(bounds.right) + dx) &&
           FitsInt(static_cast<long long>(bounds.top) + dy) &&
           FitsInt(static_cast<long long>(bounds.bottom) + dy);
}

void Region::Offset(int dx, int dy) {
    if (!CanOffset(dx, dy)) {
        return;
    }
    const auto move = [dx, dy](std::vector<RECT>& rects) {
        for (RECT& rect : rects) {
            rect.left += dx;
            rect.right += dx;
            rect.top += dy;
            rect.bottom += dy;
        }
    };
    move(rects_);
    if (layout_) {
        auto moved = std::make_shared<std::vector<RECT>>(*layout_);
        move(*moved);
        layout_ = std::move(moved);
    }
}

void Region::ClipRect(const RECT& rect, std::vector<RECT>& out) const {
    if (rect.left >= rect.right || rect.top >= rect.bottom) {
        return;
    }
    const int top = rect.top;
    auto it =
        std::partition_point(rects_.begin(), rects_.end(), [top](const RECT& r) { return r.bottom <= top; });
    for (; it != rects_.end() && it->top < rect.bottom; ++it) {
        const RECT piece{std::max(it->left, rect.left), std::max(it->top, rect.top),
                         std::min(it->right, rect.right), std::min(it->bottom, rect.bottom)};
        if (piece.left < piece.right) {
            out.push_back(piece);
        }
    }
}

void Region::ForEachSpan(int y, const std::function<void(int left, int right)>& span) const {
    auto [first, last] = BandAt(rects_, y);
    for (auto it = first; it != last; ++it) {
        span(it->left, it->right);
    }
}

bool Region::EqualRects(const Region& other) const {
    const std::vector<RECT>& mine = Layout();
    const std::vector<RECT>& theirs = other.Layout();
    return std::equal(
        mine.begin(), mine.end(), theirs.begin(), theirs.end(), [](const RECT& a, const RECT& b) {
            return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
        });
}

} // namespace gdi::detail
