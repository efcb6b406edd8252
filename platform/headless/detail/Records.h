// The records the headless window system keeps per window.
#pragma once

#include "platform/headless/HeadlessWindowSystem.h"

#include <cstdint>
#include <map>
#include <string>
#include <strings.h>
#include <vector>

namespace headless {

// Window property names compare without regard to case, like the atoms they are on Windows.
struct CaseInsensitiveLess {
    bool operator()(const std::string& a, const std::string& b) const {
        return strcasecmp(a.c_str(), b.c_str()) < 0;
    }
};

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
    std::map<std::string, user::HANDLE, CaseInsensitiveLess> properties;
    SizeHandler onSize;

    // The backing surface, and the one DC handed out by GetDC (shared and
    // counted, so that several holders can draw and read at once).
    gdi::HBITMAP surface = 0;
    gdi::HDC dc = 0;
    gdi::HGDIOBJ dcOriginalBitmap = 0;
    int dcHolders = 0;
};

} // namespace headless
