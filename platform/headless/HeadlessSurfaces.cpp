// Each headless window draws on a 32-bit bitmap of its size. GetDC hands out
// one memory DC per window with that bitmap selected; holders share it and
// the last ReleaseDC deletes it.
#include "platform/headless/HeadlessWindowSystem.h"

#include "platform/headless/detail/Records.h"

#include <algorithm>

namespace headless {
namespace {

// Selects bitmap into a scratch DC for the length of a scope.
class ScratchDC {
  public:
    explicit ScratchDC(gdi::HBITMAP bitmap) : dc_(gdi::CreateCompatibleDC(0)) {
        if (dc_ != 0)
            previous_ = gdi::SelectObject(dc_, bitmap);
    }
    ~ScratchDC() {
        if (dc_ == 0)
            return;
        gdi::SelectObject(dc_, previous_);
        gdi::DeleteDC(dc_);
    }
    ScratchDC(const ScratchDC&) = delete;
    ScratchDC& operator=(const ScratchDC&) = delete;
    gdi::HDC Get() const { return previous_ != 0 ? dc_ : 0; }

  private:
    gdi::HDC dc_;
    gdi::HGDIOBJ previous_ = 0;
};

} // namespace

void HeadlessWindowSystem::ResizeSurface(Window& window, int width, int height) {
    const gdi::HBITMAP oldSurface = window.surface;
    gdi::HBITMAP newSurface = 0;
    if (width > 0 && height > 0)
        newSurface = gdi::CreateBitmap(width, height, 1, 32, nullptr);

    if (newSurface != 0) {
        ScratchDC target(newSurface);
        gdi::PatBlt(target.Get(), 0, 0, width, height, gdi::WHITENESS);
        // Keep what was drawn where the old and new surfaces overlap. While the
        // window DC holds the old bitmap, it is the only DC that can read it.
        if (oldSurface != 0) {
            const int copyWidth = std::min(width, window.width);
            const int copyHeight = std::min(height, window.height);
            if (window.dc != 0) {
                gdi::BitBlt(target.Get(), 0, 0, copyWidth, copyHeight, window.dc, 0, 0, gdi::SRCCOPY);
            } else {
                ScratchDC source(oldSurface);
                gdi::BitBlt(target.Get(), 0, 0, copyWidth, copyHeight, source.Get(), 0, 0, gdi::SRCCOPY);
            }
        }
    }

    if (window.dc != 0) {
        // An empty window keeps a DC that draws nowhere: it holds the DC's own 1x1 bitmap again.
        gdi::SelectObject(window.dc, newSurface != 0 ? newSurface : window.dcOriginalBitmap);
    }
    if (oldSurface != 0)
        gdi::DeleteObject(oldSurface);
    window.surface = newSurface;
    window.width = width;
    window.height = height;
}

gdi::COLORREF HeadlessWindowSystem::SurfacePixel(Window& window, int x, int y) {
    if (window.surface == 0)
        return gdi::CLR_INVALID;
    if (window.dc != 0)
        return gdi::GetPixel(window.dc, x, y);
    ScratchDC reader(window.surface);
    return gdi::GetPixel(reader.Get(), x, y);
}

user::HDC HeadlessWindowSystem::GetDC(user::HWND hwnd) {
    if (hwnd == 0)
        return gdi::GetDC(0);
    Window* window = Find(hwnd);
    if (window == nullptr)
        return 0;
    if (window->dc == 0) {
        window->dc = gdi::CreateCompatibleDC(0);
        if (window->dc == 0)
            return 0;
        window->dcOriginalBitmap = window->surface != 0 ? gdi::SelectObject(window->dc, window->surface)
                                                        : gdi::GetCurrentObject(window->dc, gdi::OBJ_BITMAP);
    }
    ++window->dcHolders;
    return window->dc;
}

int HeadlessWindowSystem::ReleaseDC(user::HWND hwnd, user::HDC hdc) {
    if (hwnd == 0)
        return gdi::ReleaseDC(0, hdc);
    Window* window = Find(hwnd);
    if (window == nullptr || window->dc == 0 || window->dc != hdc)
        return 0;
    if (--window->dcHolders > 0)
        return 1;
    gdi::SelectObject(window->dc, window->dcOriginalBitmap);
    gdi::DeleteDC(window->dc);
    window->dc = 0;
    window->dcOriginalBitmap = 0;
    return 1;
}

} // namespace headless
