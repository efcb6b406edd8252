// The rectangle helpers of user32.
#include "platform/gdi/win32/Native.h"

namespace gdi {

using namespace win32;

BOOL SetRect(RECT* rect, int left, int top, int right, int bottom) {
    return ::SetRect(AsNative<::RECT>(rect), left, top, right, bottom);
}
BOOL SetRectEmpty(RECT* rect) {
    return ::SetRectEmpty(AsNative<::RECT>(rect));
}
BOOL CopyRect(RECT* dest, const RECT* source) {
    return ::CopyRect(AsNative<::RECT>(dest), AsNative<::RECT>(source));
}
BOOL OffsetRect(RECT* rect, int dx, int dy) {
    return ::OffsetRect(AsNative<::RECT>(rect), dx, dy);
}
BOOL InflateRect(RECT* rect, int dx, int dy) {
    return ::InflateRect(AsNative<::RECT>(rect), dx, dy);
}
BOOL IntersectRect(RECT* dest, const RECT* a, const RECT* b) {
    return ::IntersectRect(AsNative<::RECT>(dest), AsNative<::RECT>(a), AsNative<::RECT>(b));
}
BOOL UnionRect(RECT* dest, const RECT* a, const RECT* b) {
    return ::UnionRect(AsNative<::RECT>(dest), AsNative<::RECT>(a), AsNative<::RECT>(b));
}
BOOL IsRectEmpty(const RECT* rect) {
    return ::IsRectEmpty(AsNative<::RECT>(rect));
}
BOOL EqualRect(const RECT* a, const RECT* b) {
    return ::EqualRect(AsNative<::RECT>(a), AsNative<::RECT>(b));
}
BOOL PtInRect(const RECT* rect, POINT point) {
    return ::PtInRect(AsNative<::RECT>(rect), ::POINT{point.x, point.y});
}

} // namespace gdi
