// Each registered window draws on a 32-bit DIB section of its size (its
// WindowSurface); GetDC hands out the surface's memory DC and the widget
// paints the pixels from the same memory.
#include "platform/qt/QtWindowSystem.h"

#include <QImage>
#include <QWidget>

namespace qtplatform {

const user::WindowSurface* QtWindowSystem::Surface(user::HWND hwnd) const {
    const Window* window = Find(hwnd);
    return window == nullptr ? nullptr : &window->surface;
}

QImage QtWindowSystem::SurfaceImage(user::HWND hwnd) const {
    const user::WindowSurface* surface = Surface(hwnd);
    if (surface == nullptr || surface->Bits() == nullptr)
        return {};
    // The drawing layer leaves the fourth byte as it likes; the copy makes every pixel opaque.
    const QImage view(reinterpret_cast<const uchar*>(surface->Bits()), surface->Width(), surface->Height(),
                      surface->Width() * 4, QImage::Format_RGB32);
    return view.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

user::HDC QtWindowSystem::GetDC(user::HWND hwnd) {
    if (hwnd == 0)
        return gdi::GetDC(0);
    Window* window = Find(hwnd);
    return window == nullptr ? 0 : window->surface.AcquireDC();
}

int QtWindowSystem::ReleaseDC(user::HWND hwnd, user::HDC hdc) {
    if (hwnd == 0)
        return gdi::ReleaseDC(0, hdc);
    Window* window = Find(hwnd);
    return window != nullptr && window->surface.ReleaseDC(hdc) ? 1 : 0;
}

} // namespace qtplatform
