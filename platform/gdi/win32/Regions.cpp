// Regions and clipping on gdi32.
#include "platform/gdi/win32/Native.h"

namespace gdi {

using namespace win32;

HRGN CreateRectRgn(int left, int top, int right, int bottom) {
    return Counted(FromNative(::CreateRectRgn(left, top, right, bottom)));
}

HRGN CreateRectRgnIndirect(const RECT* rect) {
    return Counted(FromNative(::CreateRectRgnIndirect(AsNative<::RECT>(rect))));
}

HRGN CreateEllipticRgn(int left, int top, int right, int bottom) {
    return Counted(FromNative(::CreateEllipticRgn(left, top, right, bottom)));
}

HRGN CreatePolygonRgn(const POINT* points, int count, int fillMode) {
    return Counted(FromNative(::CreatePolygonRgn(AsNative<::POINT>(points), count, fillMode)));
}

BOOL SetRectRgn(HRGN region, int left, int top, int right, int bottom) {
    return ::SetRectRgn(ToNative<::HRGN>(region), left, top, right, bottom);
}

int CombineRgn(HRGN dest, HRGN source1, HRGN source2, int mode) {
    return ::CombineRgn(ToNative<::HRGN>(dest), ToNative<::HRGN>(source1), ToNative<::HRGN>(source2), mode);
}

int OffsetRgn(HRGN region, int x, int y) {
    return ::OffsetRgn(ToNative<::HRGN>(region), x, y);
}

int GetRgnBox(HRGN region, RECT* rect) {
    return ::GetRgnBox(ToNative<::HRGN>(region), AsNative<::RECT>(rect));
}

BOOL PtInRegion(HRGN region, int x, int y) {
    return ::PtInRegion(ToNative<::HRGN>(region), x, y);
}

BOOL EqualRgn(HRGN a, HRGN b) {
    return ::EqualRgn(ToNative<::HRGN>(a), ToNative<::HRGN>(b));
}

DWORD GetRegionData(HRGN region, DWORD size, RGNDATA* data) {
    return ::GetRegionData(ToNative<::HRGN>(region), size, AsNative<::RGNDATA>(data));
}

int SelectClipRgn(HDC hdc, HRGN region) {
    return ::SelectClipRgn(ToNative<::HDC>(hdc), ToNative<::HRGN>(region));
}

int GetClipRgn(HDC hdc, HRGN region) {
    return ::GetClipRgn(ToNative<::HDC>(hdc), ToNative<::HRGN>(region));
}

BOOL FillRgn(HDC hdc, HRGN region, HBRUSH brush) {
    return ::FillRgn(ToNative<::HDC>(hdc), ToNative<::HRGN>(region), ToNative<::HBRUSH>(brush));
}

BOOL FrameRgn(HDC hdc, HRGN region, HBRUSH brush, int width, int height) {
    return ::FrameRgn(ToNative<::HDC>(hdc), ToNative<::HRGN>(region), ToNative<::HBRUSH>(brush), width, height);
}

BOOL PaintRgn(HDC hdc, HRGN region) {
    return ::PaintRgn(ToNative<::HDC>(hdc), ToNative<::HRGN>(region));
}

} // namespace gdi
