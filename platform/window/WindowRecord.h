// What every window system keeps for a window whatever draws it on screen:
// its handle, its pixels, its region and its named properties. A back end
// derives its own record from this one for what only it knows (a widget, a
// position in a tree).
#pragma once

#include "platform/window/WindowProperties.h"
#include "platform/window/WindowSurface.h"
#include "platform/window/user.h"

namespace user {

struct WindowRecord {
    WindowRecord() = default;
    virtual ~WindowRecord(); // deletes the region; the surface frees its DC and bitmap
    WindowRecord(const WindowRecord&) = delete;
    WindowRecord& operator=(const WindowRecord&) = delete;

    HWND handle = 0;
    // The backing pixels, and the one DC handed out by GetDC (shared and
    // counted, so that several holders can draw and read at once).
    WindowSurface surface;
    HRGN region = 0; // owned; window coordinates
    WindowProperties properties;
};

} // namespace user
