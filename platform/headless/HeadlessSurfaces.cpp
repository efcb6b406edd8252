// Each headless window draws on a 32-bit surface of its size (a
// user::WindowSurface); GetDC (RecordedWindowBackend) hands out the surface's
// one memory DC, which holders share and the last ReleaseDC deletes.
#include "platform/headless/HeadlessWindowSystem.h"

#include "platform/headless/detail/Records.h"

namespace headless {

void HeadlessWindowSystem::ResizeSurface(Window& window, int width, int height) {
    window.surface.Resize(width, height); // keeps the overlap, whitens the rest
    window.width = width;
    window.height = height;
}

} // namespace headless
