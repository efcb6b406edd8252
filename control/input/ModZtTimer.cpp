#include "control/input/ModZtTimer.h"

#include "control/input/RaiseEvent.h"
#include "control/model/Lifecycle.h"
#include "control/model/ztButtons_H.h"
#include "control/paint/RedrawButton.h"

namespace {

constexpr const char* kClassIdProperty = "zt_ClassID";
constexpr const char* kTimerIdProperty = "zt_TimerID";

bool CursorIsOver(user::HWND hwnd) {
    user::POINT cursor{};
    if (!user::GetCursorPos(&cursor))
        return false;
    return hwnd != 0 && user::WindowFromPoint(cursor) == hwnd;
}

} // namespace

void StartHoverTracking(ztButtons_H& button, std::int16_t mouseButton) {
    button.StateFlags |= StateFlagBits::PointerInside;
    // The host hears of the hover before the timer starts and before the first repaint.
    if (!RaiseEvent(button, [](ButtonEvents& events) { events.MouseOnButton(true); }))
        return;
    const user::HWND hwnd = button.HWnd();
    user::SetPropA(hwnd, kClassIdProperty, reinterpret_cast<user::HANDLE>(&button));
    user::SetPropA(hwnd, kTimerIdProperty, static_cast<user::HANDLE>(kHoverTimerId));
    if (user::SetTimer(hwnd, kHoverTimerId, kHoverTimerPeriod, HoverTimerProc) != 0)
        button.Links().hoverWindow = hwnd;
    button.IsHovering = True;
    button.DrawingDelayed = False;
    if (mouseButton == container::kLeftButton)
        button.IsPressing = True;
    RedrawButton(button);
}

void HoverTimerProc(user::HWND hwnd, user::UINT /*message*/, user::UINT_PTR /*idEvent*/,
                    user::DWORD /*time*/) {
    auto* button = reinterpret_cast<ztButtons_H*>(user::GetPropA(hwnd, kClassIdProperty));
    // A destroyed button has taken its address off the window already.
    if (button == nullptr) {
        user::KillTimer(hwnd, kHoverTimerId);
        return;
    }
    CheckHoverExit(*button, static_cast<user::UINT_PTR>(user::GetPropA(hwnd, kTimerIdProperty)));
}

void CheckHoverExit(ztButtons_H& button, user::UINT_PTR timerId) {
    const user::HWND hwnd = button.HWnd();
    if (CursorIsOver(hwnd))
        return;
    user::KillTimer(hwnd, timerId);
    button.Links().hoverWindow = 0;
    button.StateFlags &= static_cast<Integer>(~StateFlagBits::PointerInside);
    button.IsHovering = False;
    button.DrawingDelayed = False;
    if (!RaiseEvent(button, [](ButtonEvents& events) { events.MouseOnButton(false); }))
        return;
    button.IsPressing = False;
    RedrawButton(button);
}

void StopHoverTimer(user::HWND window, const void* control) {
    if (user::GetPropA(window, kClassIdProperty) != reinterpret_cast<user::HANDLE>(control))
        return;
    user::KillTimer(window, kHoverTimerId);
    user::RemovePropA(window, kClassIdProperty);
}
