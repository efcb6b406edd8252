// Each headless window draws on a 32-bit surface of its size (a
// user::WindowSurface); GetDC hands out the surface's one memory DC, which
// holders share and the last ReleaseDC deletes.
#include "platform/headless/HeadlessWindowSystem.h"

#include "platform/headless/detail/Records.h"

namespace headless {

void HeadlessWindowSystem::ResizeSurface(Window& window, int width, int height) {
    window.surface.Resize(width, height); // keeps the overlap, whitens the rest
    window.width = width;
    window.height = height;
}

gdi::COLORREF HeadlessWindowSystem::SurfacePixel(Window& window, int x, int y) {
    return window.surface.Pixel(x, y);
}

user::HDC HeadlessWindowSystem::GetDC(user::HWND hwnd) {
    if (hwnd == 0)
        return gdi::GetDC(0);
    Window* window = Find(hwnd);
    return window == nullptr ? 0 : window->surface.AcquireDC();
}

int HeadlessWindowSystem::ReleaseDC(user::HWND hwnd, user::HDC hdc) {
    if (hwnd == 0)
        return gdi::ReleaseDC(0, hdc);
    Window* window = Find(hwnd);
    return window != nullptr && window->surface.ReleaseDC(hdc) ? 1 : 0;
}

} // namespace headless
