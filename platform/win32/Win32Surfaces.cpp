// The pixels of registered windows. The control draws on the surface's
// memory DC (through whichever drawing layer is linked: both give a top-down
// 32-bit DIB section with its bits in memory); painting copies those bits to
// the window with gdi32, so the paint path needs only a native DC.
#include "platform/win32/Win32WindowSystem.h"

#include "platform/win32/Native.h"

namespace win32platform {

void Win32WindowSystem::Register(user::HWND hwnd) {
    if (!IsWindow(hwnd) || surfaces_.contains(hwnd))
        return;
    surfaces_.emplace(hwnd, std::make_unique<user::WindowSurface>());
    FitSurface(hwnd);
}

void Win32WindowSystem::Unregister(user::HWND hwnd) {
    std::erase_if(timers_, [hwnd](const auto& timer) { return timer.first.first == hwnd; });
    surfaces_.erase(hwnd);
}

void Win32WindowSystem::FitSurface(user::HWND hwnd) {
    auto found = surfaces_.find(hwnd);
    ::RECT client{};
    if (found != surfaces_.end() && ::GetClientRect(ToNative(hwnd), &client))
        found->second->Resize(client.right, client.bottom);
}

const user::WindowSurface* Win32WindowSystem::Surface(user::HWND hwnd) const {
    auto found = surfaces_.find(hwnd);
    return found == surfaces_.end() ? nullptr : found->second.get();
}

void Win32WindowSystem::Present(user::HWND hwnd, void* nativeDC) const {
    const user::WindowSurface* surface = Surface(hwnd);
    if (surface == nullptr || surface->Bits() == nullptr || nativeDC == nullptr)
        return;
    GdiFlush(); // drawing gdi32 may still batch must be in the bits first
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = surface->Width();
    info.bmiHeader.biHeight = -surface->Height(); // the surface's rows run top-down
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    SetDIBitsToDevice(static_cast<::HDC>(nativeDC), 0, 0, static_cast<DWORD>(surface->Width()),
                      static_cast<DWORD>(surface->Height()), 0, 0, 0, static_cast<UINT>(surface->Height()),
                      surface->Bits(), &info, DIB_RGB_COLORS);
}

user::HDC Win32WindowSystem::GetDC(user::HWND hwnd) {
    if (hwnd == 0)
        return gdi::GetDC(0);
    auto found = surfaces_.find(hwnd);
    return found == surfaces_.end() ? 0 : found->second->AcquireDC();
}

int Win32WindowSystem::ReleaseDC(user::HWND hwnd, user::HDC hdc) {
    if (hwnd == 0)
        return gdi::ReleaseDC(0, hdc);
    auto found = surfaces_.find(hwnd);
    return found != surfaces_.end() && found->second->ReleaseDC(hdc) ? 1 : 0;
}

} // namespace win32platform
