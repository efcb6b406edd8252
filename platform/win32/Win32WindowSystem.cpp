// The window tree, geometry, capture, the cursor, named properties, posted
// messages and system metrics: each a call of user32 on the native handle.
// Surfaces, timers and regions live in their own files.
#include "platform/win32/Win32WindowSystem.h"

#include "platform/win32/Native.h"

namespace win32platform {

user::BOOL Win32WindowSystem::IsWindow(user::HWND hwnd) {
    return hwnd != 0 && ::IsWindow(ToNative(hwnd)) ? 1 : 0;
}

user::HWND Win32WindowSystem::GetParent(user::HWND hwnd) {
    // The window a child's position is measured in; an owner is no parent.
    const ::HWND window = ToNative(hwnd);
    if (!::IsWindow(window) || (GetWindowLongPtrW(window, GWL_STYLE) & WS_CHILD) == 0)
        return 0;
    return FromNative(GetAncestor(window, GA_PARENT));
}

// ---- Capture and the cursor ----

user::HWND Win32WindowSystem::SetCapture(user::HWND hwnd) {
    return IsWindow(hwnd) ? FromNative(::SetCapture(ToNative(hwnd))) : 0;
}

user::BOOL Win32WindowSystem::ReleaseCapture() {
    return ::ReleaseCapture() ? 1 : 0;
}

user::HWND Win32WindowSystem::GetCapture() {
    return FromNative(::GetCapture());
}

Win32WindowSystem::EventPosition::EventPosition(Win32WindowSystem& system, user::POINT screenPosition)
    : system_(system), previous_(system.eventPosition_) {
    system_.eventPosition_ = screenPosition;
}

Win32WindowSystem::EventPosition::~EventPosition() {
    system_.eventPosition_ = previous_;
}

user::BOOL Win32WindowSystem::GetCursorPos(user::POINT* point) {
    if (point == nullptr)
        return 0;
    if (eventPosition_) {
        *point = *eventPosition_;
        return 1;
    }
    ::POINT native{};
    if (!::GetCursorPos(&native))
        return 0;
    *point = {native.x, native.y};
    return 1;
}

user::HWND Win32WindowSystem::WindowFromPoint(user::POINT point) {
    // user32 honours regions, visibility and stacking, and skips disabled windows.
    return FromNative(::WindowFromPoint(::POINT{point.x, point.y}));
}

// ---- Geometry ----

user::BOOL Win32WindowSystem::ScreenToClient(user::HWND hwnd, user::POINT* point) {
    if (point == nullptr)
        return 0;
    ::POINT native{point->x, point->y};
    if (!::ScreenToClient(ToNative(hwnd), &native))
        return 0;
    *point = {native.x, native.y};
    return 1;
}

user::BOOL Win32WindowSystem::ClientToScreen(user::HWND hwnd, user::POINT* point) {
    if (point == nullptr)
        return 0;
    ::POINT native{point->x, point->y};
    if (!::ClientToScreen(ToNative(hwnd), &native))
        return 0;
    *point = {native.x, native.y};
    return 1;
}

user::BOOL Win32WindowSystem::GetWindowRect(user::HWND hwnd, user::RECT* rect) {
    ::RECT native{};
    if (rect == nullptr || !::GetWindowRect(ToNative(hwnd), &native))
        return 0;
    *rect = {native.left, native.top, native.right, native.bottom};
    return 1;
}

user::BOOL Win32WindowSystem::GetClientRect(user::HWND hwnd, user::RECT* rect) {
    ::RECT native{};
    if (rect == nullptr || !::GetClientRect(ToNative(hwnd), &native))
        return 0;
    *rect = {native.left, native.top, native.right, native.bottom};
    return 1;
}

user::BOOL Win32WindowSystem::MoveWindow(user::HWND hwnd, int x, int y, int width, int height,
                                         user::BOOL repaint) {
    // The window hears WM_SIZE inside the call; its site fits the surface then.
    return ::MoveWindow(ToNative(hwnd), x, y, width, height, repaint) ? 1 : 0;
}

// ---- Named properties ----

user::BOOL Win32WindowSystem::SetPropA(user::HWND hwnd, const char* name, user::HANDLE data) {
    if (name == nullptr)
        return 0;
    return ::SetPropA(ToNative(hwnd), name, reinterpret_cast<::HANDLE>(data)) ? 1 : 0;
}

user::HANDLE Win32WindowSystem::GetPropA(user::HWND hwnd, const char* name) {
    return name == nullptr ? 0 : reinterpret_cast<user::HANDLE>(::GetPropA(ToNative(hwnd), name));
}

user::HANDLE Win32WindowSystem::RemovePropA(user::HWND hwnd, const char* name) {
    return name == nullptr ? 0 : reinterpret_cast<user::HANDLE>(::RemovePropA(ToNative(hwnd), name));
}

// ---- Messages and metrics ----

user::BOOL Win32WindowSystem::PostMessageA(user::HWND hwnd, user::UINT message, user::WPARAM wParam,
                                           user::LPARAM lParam) {
    return ::PostMessageA(ToNative(hwnd), message, wParam, lParam) ? 1 : 0;
}

int Win32WindowSystem::GetSystemMetrics(int index) {
    return ::GetSystemMetrics(index);
}

namespace {

// 1440 twips to the inch over the screen's pixels to the inch: 15 at 96 dpi.
int TwipsPerPixel(int axis) {
    const ::HDC screen = ::GetDC(nullptr);
    const int dpi = screen != nullptr ? GetDeviceCaps(screen, axis) : 0;
    if (screen != nullptr)
        ::ReleaseDC(nullptr, screen);
    return dpi > 0 ? 1440 / dpi : 15;
}

} // namespace

int Win32WindowSystem::TwipsPerPixelX() {
    return TwipsPerPixel(LOGPIXELSX);
}

int Win32WindowSystem::TwipsPerPixelY() {
    return TwipsPerPixel(LOGPIXELSY);
}

} // namespace win32platform
