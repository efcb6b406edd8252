// The records the headless window system keeps per window.
#pragma once

#include "platform/headless/HeadlessWindowSystem.h"
#include "platform/window/WindowProperties.h"
#include "platform/window/WindowSurface.h"

#include <vector>

namespace headless {

struct HeadlessWindowSystem::Window {
    user::HWND handle = 0;
    user::HWND parent = 0;
    int x = 0; // in the parent's client coordinates (screen for top-level windows)
    int y = 0;
    int width = 0;
    int height = 0;
    bool visible = true;
    bool invalidated = true;
    std::vector<user::HWND> children; // bottom to top
    gdi::HRGN region = 0;             // owned; window coordinates
    user::WindowProperties properties;
    SizeHandler onSize;

    // The backing pixels, and the one DC handed out by GetDC (shared and
    // counted, so that several holders can draw and read at once).
    user::WindowSurface surface;
};

} // namespace headless
