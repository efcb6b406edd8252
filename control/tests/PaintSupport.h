// Helpers for the paint tests: driving the states the painters read, and
// reading what they drew (ink of one colour, pixels of the surface and of the
// control). The states are set on the members directly, as the input
// handling would leave them.
#pragma once

#include "control/model/ztButtons_H.h"
#include "control/paint/RedrawButton.h"
#include "control/render/DrawingState.h"
#include "control/render/Rounding.h"
#include "control/tests/support/ButtonFixture.h"
#include "control/tests/support/PixelHelpers.h"
#include "platform/gdi/gdi.h"

#include <optional>

namespace paint_testing {

inline void SetFlag(ztButtons_H& button, Integer bit, bool on) {
    button.StateFlags = static_cast<Integer>(on ? (button.StateFlags | bit) : (button.StateFlags & ~bit));
}

// Left button down on the button with the pointer inside it.
inline void SetPushed(ztButtons_H& button, bool pushed) {
    SetFlag(button, StateFlagBits::ButtonHeld, pushed);
    SetFlag(button, StateFlagBits::PointerInside, pushed);
    button.IsPressing = ToBoolean(pushed);
    if (pushed) button.IsHovering = True;
}

// The pointer over the button with the left button up.
inline void SetHover(ztButtons_H& button, bool hovering) {
    button.IsHovering = ToBoolean(hovering);
    SetFlag(button, StateFlagBits::PointerInside, hovering);
}

inline void SetDefaultLook(ztButtons_H& button, bool on) { SetFlag(button, StateFlagBits::DefaultLook, on); }

// Switches the style and rebuilds what depends on it (colours, region, layout) and redraws.
inline void UseStyle(ztButtons_H& button, Long style) {
    button.ButtonStyle = style;
    UpdateDrawingState(button, "BackColor");
    button.Resize();
}

inline gdi::COLORREF SurfacePixel(const ztButtons_H& button, int x, int y) {
    return gdi::GetPixel(button.SurfaceDC, x, y);
}

// The smallest rectangle holding every pixel of one colour inside area, or
// nothing when the colour does not occur.
inline std::optional<gdi::RECT> InkBounds(gdi::HDC hdc, gdi::RECT area, gdi::COLORREF colour) {
    std::optional<gdi::RECT> bounds;
    for (int y = area.top; y < area.bottom; ++y) {
        for (int x = area.left; x < area.right; ++x) {
            if (gdi::GetPixel(hdc, x, y) != colour) continue;
            if (!bounds) {
                bounds = gdi::RECT{x, y, x + 1, y + 1};
            } else {
                bounds->left = std::min<gdi::LONG>(bounds->left, x);
                bounds->top = std::min<gdi::LONG>(bounds->top, y);
                bounds->right = std::max<gdi::LONG>(bounds->right, x + 1);
                bounds->bottom = std::max<gdi::LONG>(bounds->bottom, y + 1);
            }
        }
    }
    return bounds;
}

inline int CountPixels(gdi::HDC hdc, gdi::RECT area, gdi::COLORREF colour) {
    int count = 0;
    for (int y = area.top; y < area.bottom; ++y) {
        for (int x = area.left; x < area.right; ++x) count += gdi::GetPixel(hdc, x, y) == colour ? 1 : 0;
    }
    return count;
}

inline gdi::RECT ClientArea(const ztButtons_H& button) {
    return {0, 0, ClientWidth(button), ClientHeight(button)};
}

inline gdi::COLORREF Rgb(RgbColor colour) { return static_cast<gdi::COLORREF>(colour); }

// The fixture for a button of the given size without caption or picture.
inline control_testing::ButtonOptions Size(int width, int height) {
    control_testing::ButtonOptions options;
    options.width = width;
    options.height = height;
    return options;
}

}  // namespace paint_testing
