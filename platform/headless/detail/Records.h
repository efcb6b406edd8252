// The record the headless window system keeps per window: the shared part
// (handle, surface, region, properties) and its place in the tree.
#pragma once

#include "platform/headless/HeadlessWindowSystem.h"
#include "platform/window/WindowRecord.h"

#include <vector>

namespace headless {

struct HeadlessWindowSystem::Window : user::WindowRecord {
    user::HWND parent = 0;
    int x = 0; // in the parent's client coordinates (screen for top-level windows)
    int y = 0;
    int width = 0;
    int height = 0;
    bool visible = true;
    bool invalidated = true;
    std::vector<user::HWND> children; // bottom to top
    SizeHandler onSize;
};

} // namespace headless
