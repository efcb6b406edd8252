// Mouse notices of the container: press, release, move, click, double click.
#include "control/input/ButtonInput.h"
#include "control/input/ClickHandling.h"
#include "control/input/ModZtTimer.h"
#include "control/input/RaiseEvent.h"
#include "control/paint/RedrawButton.h"

namespace {

bool CursorOverWindow(user::HWND hwnd, user::POINT& cursor) {
    if (!user::GetCursorPos(&cursor))
        return false;
    return hwnd != 0 && user::WindowFromPoint(cursor) == hwnd;
}

} // namespace

bool AcceptsInput(const ztButtons_H& button) {
    return button.Enabled();
}

bool HandlePress(ztButtons_H& button, std::int16_t mouseButton, std::int16_t shift, float x, float y) {
    button.LastMouseButton = mouseButton;
    if (mouseButton == container::kLeftButton) {
        button.IsPressing = True;
        button.StateFlags |= StateFlagBits::ButtonHeld;
        button.DrawingDelayed = False;
        RedrawButton(button);
        // The release must reach the button even when it happens outside.
        user::SetCapture(button.HWnd());
    }
    return RaiseEvent(button, [&](ButtonEvents& events) { events.MouseDown(mouseButton, shift, x, y); });
}

void ztButtons_H::MouseDown(std::int16_t button, std::int16_t shift, float x, float y) {
    if (!AcceptsInput(*this))
        return;
    HandlePress(*this, button, shift, x, y);
}

void ztButtons_H::MouseUp(std::int16_t button, std::int16_t shift, float x, float y) {
    // A release always lets go, also of a press that began before the host
    // disabled the button, and the host hears of every release.
    IsPressing = False;
    if (button == container::kLeftButton) {
        user::ReleaseCapture();
        StateFlags &= static_cast<Integer>(~StateFlagBits::ButtonHeld);
        DrawingDelayed = False;
        // Every mode repaints: a release that changes no Value (the second
        // release of a double click, a checked option button) must not leave
        // the pushed look on screen.
        RedrawButton(*this);
    }
    if (!RaiseEvent(*this, [&](ButtonEvents& events) { events.MouseUp(button, shift, x, y); }))
        return;
    LastMouseButton = button;
}

void ztButtons_H::MouseMove(std::int16_t button, std::int16_t shift, float x, float y) {
    if (!AcceptsInput(*this))
        return;
    user::POINT cursor{};
    if (IsHovering == False && CursorOverWindow(HWnd(), cursor)) {
        const std::weak_ptr<const bool> lifeToken = Links().LifeToken();
        StartHoverTracking(*this, button);
        if (lifeToken.expired())
            return;
    }
    RaiseEvent(*this, [&](ButtonEvents& events) { events.MouseMove(button, shift, x, y); });
}

void ztButtons_H::Click() {
    if (!AcceptsInput(*this))
        return;
    HandleClick(*this);
}

void ztButtons_H::DblClick() {
    if (!AcceptsInput(*this))
        return;
    user::POINT cursor{};
    user::GetCursorPos(&cursor);
    user::ScreenToClient(HWnd(), &cursor);
    const auto x = static_cast<float>(cursor.x);
    const auto y = static_cast<float>(cursor.y);
    const std::int16_t lastButton = LastMouseButton;
    if (!RaiseEvent(*this, [&](ButtonEvents& events) { events.DoubleClick(lastButton); }))
        return;
    if (LastMouseButton == container::kLeftButton) {
        // The second press of a double click shows the pushed look like the first.
        if (!HandlePress(*this, container::kLeftButton, 0, x, y))
            return;
        // Keeps the container's click for the second release, if it sends one, from clicking again.
        LastMouseButton = -1;
    } else {
        RaiseEvent(*this, [&](ButtonEvents& events) { events.MouseDown(lastButton, 0, x, y); });
    }
}
