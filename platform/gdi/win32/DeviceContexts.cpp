// Device contexts, object selection and the DC's drawing attributes on gdi32.
#include "platform/gdi/win32/Native.h"
#include "platform/gdi/win32/WineStandIns.h"

#include <atomic>
#include <mutex>
#include <unordered_map>

namespace gdi::win32 {
namespace {

// The background mode 3 of DCs whose gdi32 refused it (see WineStandIns.h).
struct KeptModes {
    std::atomic<bool> standIn{false};
    std::mutex lock;
    std::unordered_map<gdi::HDC, int> modes;
};

KeptModes& Kept() {
    static KeptModes kept;
    return kept;
}

// The mode a DC was last given: the kept one, if any, else gdi32's.
int EffectiveMode(gdi::HDC hdc, int nativeMode) {
    if (!Kept().standIn)
        return nativeMode;
    std::lock_guard guard(Kept().lock);
    const auto kept = Kept().modes.find(hdc);
    return kept == Kept().modes.end() ? nativeMode : kept->second;
}

void Keep(gdi::HDC hdc, int mode) {
    if (!Kept().standIn)
        return;
    std::lock_guard guard(Kept().lock);
    if (mode == 0)
        Kept().modes.erase(hdc);
    else
        Kept().modes[hdc] = mode;
}

constexpr int kRefusedByWine = 3;

} // namespace

void StandInForRefusedBackgroundModes() {
    Kept().standIn = true;
}

} // namespace gdi::win32

namespace gdi {

using namespace win32;

HDC CreateCompatibleDC(HDC hdc) {
    DrawImmediately();
    return Counted(FromNative(::CreateCompatibleDC(ToNative<::HDC>(hdc))));
}

BOOL DeleteDC(HDC hdc) {
    const BOOL deleted = ::DeleteDC(ToNative<::HDC>(hdc));
    if (deleted) {
        Uncounted(hdc);
        Keep(hdc, 0);
    }
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
    int previous = ::SetBkMode(ToNative<::HDC>(hdc), mode);
    if (previous == 0 && mode == kRefusedByWine && Kept().standIn) {
        previous = ::SetBkMode(ToNative<::HDC>(hdc), TRANSPARENT);
        if (previous == 0)
            return 0;
        previous = EffectiveMode(hdc, previous);
        Keep(hdc, mode);
        return previous;
    }
    if (previous == 0)
        return 0;
    previous = EffectiveMode(hdc, previous);
    Keep(hdc, 0);
    return previous;
}
int GetBkMode(HDC hdc) {
    const int mode = ::GetBkMode(ToNative<::HDC>(hdc));
    return mode == 0 ? 0 : EffectiveMode(hdc, mode);
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
