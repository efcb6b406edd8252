// Device contexts, object selection and the DC's drawing attributes on gdi32.
#include "platform/gdi/win32/Native.h"

namespace gdi {

using namespace win32;

HDC CreateCompatibleDC(HDC hdc) {
    DrawImmediately();
    return Counted(FromNative(::CreateCompatibleDC(ToNative<::HDC>(hdc))));
}

BOOL DeleteDC(HDC hdc) {
    const BOOL deleted = ::DeleteDC(ToNative<::HDC>(hdc));
    if (deleted)
        Uncounted(hdc);
    return deleted;
}

// Only the screen's DC, as in our own layer: window DCs come from user::GetDC.
HDC GetDC(HWND hwnd) {
    if (hwnd != 0)
        return 0;
    DrawImmediately();
    return Counted(FromNative(::GetDC(nullptr)));
}

int ReleaseDC(HWND hwnd, HDC hdc) {
    if (hwnd != 0)
        return 0;
    const int released = ::ReleaseDC(nullptr, ToNative<::HDC>(hdc));
    if (released)
        Uncounted(hdc);
    return released;
}

HGDIOBJ SelectObject(HDC hdc, HGDIOBJ object) {
    return FromNative(::SelectObject(ToNative<::HDC>(hdc), ToNative(object)));
}

HGDIOBJ GetCurrentObject(HDC hdc, UINT type) {
    return FromNative(::GetCurrentObject(ToNative<::HDC>(hdc), type));
}

int SetBkMode(HDC hdc, int mode) {
    return ::SetBkMode(ToNative<::HDC>(hdc), mode);
}
int GetBkMode(HDC hdc) {
    return ::GetBkMode(ToNative<::HDC>(hdc));
}
COLORREF SetBkColor(HDC hdc, COLORREF color) {
    return ::SetBkColor(ToNative<::HDC>(hdc), color);
}
COLORREF GetBkColor(HDC hdc) {
    return ::GetBkColor(ToNative<::HDC>(hdc));
}
COLORREF SetTextColor(HDC hdc, COLORREF color) {
    return ::SetTextColor(ToNative<::HDC>(hdc), color);
}
COLORREF GetTextColor(HDC hdc) {
    return ::GetTextColor(ToNative<::HDC>(hdc));
}
int SetMapMode(HDC hdc, int mode) {
    return ::SetMapMode(ToNative<::HDC>(hdc), mode);
}
int GetMapMode(HDC hdc) {
    return ::GetMapMode(ToNative<::HDC>(hdc));
}
int SetStretchBltMode(HDC hdc, int mode) {
    return ::SetStretchBltMode(ToNative<::HDC>(hdc), mode);
}
int GetStretchBltMode(HDC hdc) {
    return ::GetStretchBltMode(ToNative<::HDC>(hdc));
}

} // namespace gdi
