// Each registered window draws on a 32-bit DIB section of its size (its
// WindowSurface); GetDC (RecordedWindowBackend) hands out the surface's memory
// DC and the widget paints the pixels from the same memory.
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
    QImage image = view.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(Find(hwnd)->ratio);
    return image;
}

} // namespace qtplatform
