// A Win32 window system installed as the window back end, with a form of
// 300 x 200 client pixels at (100, 100) of the screen, for the tests that
// drive real windows under Wine.
#pragma once

#include "platform/win32/Win32ControlSite.h"
#include "platform/win32/Win32Form.h"
#include "platform/win32/Win32WindowSystem.h"

#include <functional>

namespace win32_testing {

struct Win32Stage {
    win32platform::Win32WindowSystem system;
    user::ScopedBackend backend{&system};
    win32platform::Win32Form form{system, "DunmoraDesk", 100, 100, 300, 200};
};

// Runs the thread's messages until done() or two seconds have passed.
bool PumpUntil(const std::function<bool()>& done);

} // namespace win32_testing
