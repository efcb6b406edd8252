// Rectangle arithmetic. Right and bottom edges are excluded; a rectangle with
// right <= left or bottom <= top is empty.
#include "platform/gdi/gdi.h"

#include <algorithm>
#include <cstdint>

namespace gdi {

BOOL SetRect(RECT* rect, int left, int top, int right, int bottom) {
    if (!rect)
        return FALSE;
    *rect = RECT{left, top, right, bottom};
    return TRUE;
}

BOOL SetRectEmpty(RECT* rect) {
    return SetRect(rect, 0, 0, 0, 0);
}

BOOL CopyRect(RECT* dest, const RECT* source) {
    if (!dest || !source)
        return FALSE;
    *dest = *source;
    return TRUE;
}

namespace {

// Windows' rectangle arithmetic wraps round at the 32-bit limits (INT_MAX + 1
// is INT_MIN); done on unsigned values, the wrap is defined behaviour here.
LONG Wrapped(LONG value, std::int64_t delta) {
    return static_cast<LONG>(static_cast<std::uint32_t>(value) + static_cast<std::uint32_t>(delta));
}

} // namespace

BOOL OffsetRect(RECT* rect, int dx, int dy) {
    if (!rect)
        return FALSE;
    rect->left = Wrapped(rect->left, dx);
    rect->right = Wrapped(rect->right, dx);
    rect->top = Wrapped(rect->top, dy);
    rect->bottom = Wrapped(rect->bottom, dy);
    return TRUE;
}

BOOL InflateRect(RECT* rect, int dx, int dy) {
    if (!rect)
        return FALSE;
    rect->left = Wrapped(rect->left, -std::int64_t{dx});
    rect->right = Wrapped(rect->right, dx);
    rect->top = Wrapped(rect->top, -std::int64_t{dy});
    rect->bottom = Wrapped(rect->bottom, dy);
    return TRUE;
}

BOOL IsRectEmpty(const RECT* rect) {
    return !rect || rect->right <= rect->left || rect->bottom <= rect->top;
}

BOOL IntersectRect(RECT* dest, const RECT* a, const RECT* b) {
    if (!dest || !a || !b)
        return FALSE;
    const RECT r{std::max(a->left, b->left), std::max(a->top, b->top), std::min(a->right, b->right),
                 std::min(a->bottom, b->bottom)};
    if (IsRectEmpty(&r)) {
        SetRectEmpty(dest);
        return FALSE;
    }
    *dest = r;
    return TRUE;
}

BOOL UnionRect(RECT* dest, const RECT* a, const RECT* b) {
    if (!dest || !a || !b)
        return FALSE;
    const bool emptyA = IsRectEmpty(a), emptyB = IsRectEmpty(b);
    if (emptyA && emptyB) {
        SetRectEmpty(dest);
        return FALSE;
    }
    if (emptyA) {
        *dest = *b;
    } else if (emptyB) {
        *dest = *a;
    } else {
        *dest = RECT{std::min(a->left, b->left), std::min(a->top, b->top), std::max(a->right, b->right),
                     std::max(a->bottom, b->bottom)};
    }
    return TRUE;
}

BOOL EqualRect(const RECT* a, const RECT* b) {
    return a && b && a->left == b->left && a->top == b->top && a->right == b->right && a->bottom == b->bottom;
}

BOOL PtInRect(const RECT* rect, POINT point) {
    return rect && point.x >= rect->left && point.x < rect->right && point.y >= rect->top &&
           point.y < rect->bottom;
}

} // namespace gdi
