// Shapes, lines, pixels, fills and blits on gdi32.
#include "platform/gdi/win32/Native.h"

namespace gdi {

using namespace win32;

BOOL Rectangle(HDC hdc, int left, int top, int right, int bottom) {
    return ::Rectangle(ToNative<::HDC>(hdc), left, top, right, bottom);
}

BOOL Ellipse(HDC hdc, int left, int top, int right, int bottom) {
    return ::Ellipse(ToNative<::HDC>(hdc), left, top, right, bottom);
}

BOOL Polyline(HDC hdc, const POINT* points, int count) {
    return ::Polyline(ToNative<::HDC>(hdc), AsNative<::POINT>(points), count);
}

BOOL MoveToEx(HDC hdc, int x, int y, POINT* previous) {
    return ::MoveToEx(ToNative<::HDC>(hdc), x, y, AsNative<::POINT>(previous));
}

BOOL LineTo(HDC hdc, int x, int y) {
    return ::LineTo(ToNative<::HDC>(hdc), x, y);
}

BOOL Arc(HDC hdc, int left, int top, int right, int bottom, int xStart, int yStart, int xEnd, int yEnd) {
    return ::Arc(ToNative<::HDC>(hdc), left, top, right, bottom, xStart, yStart, xEnd, yEnd);
}

COLORREF SetPixel(HDC hdc, int x, int y, COLORREF color) {
    return ::SetPixel(ToNative<::HDC>(hdc), x, y, color);
}

COLORREF GetPixel(HDC hdc, int x, int y) {
    return ::GetPixel(ToNative<::HDC>(hdc), x, y);
}

int FillRect(HDC hdc, const RECT* rect, HBRUSH brush) {
    return ::FillRect(ToNative<::HDC>(hdc), AsNative<::RECT>(rect), ToNative<::HBRUSH>(brush));
}

int FrameRect(HDC hdc, const RECT* rect, HBRUSH brush) {
    return ::FrameRect(ToNative<::HDC>(hdc), AsNative<::RECT>(rect), ToNative<::HBRUSH>(brush));
}

BOOL InvertRect(HDC hdc, const RECT* rect) {
    return ::InvertRect(ToNative<::HDC>(hdc), AsNative<::RECT>(rect));
}

BOOL DrawFocusRect(HDC hdc, const RECT* rect) {
    return ::DrawFocusRect(ToNative<::HDC>(hdc), AsNative<::RECT>(rect));
}

BOOL PatBlt(HDC hdc, int x, int y, int width, int height, DWORD rop) {
    return ::PatBlt(ToNative<::HDC>(hdc), x, y, width, height, rop);
}

BOOL BitBlt(HDC dest, int x, int y, int width, int height, HDC source, int xSource, int ySource, DWORD rop) {
    return ::BitBlt(ToNative<::HDC>(dest), x, y, width, height, ToNative<::HDC>(source), xSource, ySource, rop);
}

BOOL StretchBlt(HDC dest, int x, int y, int width, int height, HDC source, int xSource, int ySource,
                int widthSource, int heightSource, DWORD rop) {
    return ::StretchBlt(ToNative<::HDC>(dest), x, y, width, height, ToNative<::HDC>(source), xSource, ySource,
                        widthSource, heightSource, rop);
}

} // namespace gdi
