// Hover tracking. The container reports no pointer leaving, so the first move
// over the button starts a 50 ms timer on its window; each tick asks which
// window lies under the cursor and ends the hover once it is another one.
// The tick finds its button through two properties of the window:
// "zt_ClassID" (the button's address, not owned) and "zt_TimerID" (237).
#pragma once

#include "platform/window/user.h"

#include <cstdint>

class ztButtons_H;

constexpr user::UINT kHoverTimerPeriod = 50; // ms

// Starts hovering (a move notice found the cursor over the button's window):
// PointerInside, MouseOnButton(True), the window properties, the timer,
// IsPressing when the left button is held, and the hover (or pushed) look.
void StartHoverTracking(ztButtons_H& button, std::int16_t mouseButton);

// The timer's callback: finds the button of the window and checks the cursor.
void HoverTimerProc(user::HWND hwnd, user::UINT message, user::UINT_PTR idEvent, user::DWORD time);

// Ends the hover when the cursor is over another window (or none).
void CheckHoverExit(ztButtons_H& button, user::UINT_PTR timerId);

// Stops the timer of window and drops its reference to control, if it still
// holds that one; for a button that is destroyed while it hovers.
void StopHoverTimer(user::HWND window, const void* control);
