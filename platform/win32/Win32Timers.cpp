// Timers: user32 runs them, on the thread's message loop. A timer with our
// callback is a native timer whose callback is one trampoline; the trampoline
// (and a window procedure that receives WM_TIMER) finds ours by window and
// identifier. A timer without a callback stays a plain native one, which
// posts WM_TIMER to its window.
#include "platform/win32/Win32WindowSystem.h"

#include "platform/win32/Native.h"

namespace win32platform {
namespace {

Win32WindowSystem* timerSystem = nullptr; // the system whose callbacks the trampoline runs

void CALLBACK RunOurTimer(::HWND hwnd, UINT, UINT_PTR idEvent, DWORD time) {
    if (timerSystem != nullptr)
        timerSystem->RunTimer(FromNative(hwnd), idEvent, time);
}

} // namespace

Win32WindowSystem::Win32WindowSystem() {
    timerSystem = this;
}

Win32WindowSystem::~Win32WindowSystem() {
    for (const auto& [key, proc] : timers_)
        ::KillTimer(ToNative(key.first), key.second);
    if (timerSystem == this)
        timerSystem = nullptr;
    if (user::GetBackend() == this)
        user::SetBackend(nullptr);
}

user::UINT_PTR Win32WindowSystem::SetTimer(user::HWND hwnd, user::UINT_PTR idEvent, user::UINT elapse,
                                           user::TIMERPROC timerProc) {
    if (hwnd != 0 && !IsWindow(hwnd))
        return 0;
    // A thread timer keeps its identifier only when it names a running one;
    // user32 decides and returns the identifier it used.
    const UINT_PTR result =
        ::SetTimer(ToNative(hwnd), idEvent, elapse, timerProc != nullptr ? RunOurTimer : nullptr);
    if (result == 0)
        return 0;
    const TimerKey key{hwnd, hwnd != 0 ? idEvent : result};
    if (timerProc != nullptr)
        timers_[key] = timerProc;
    else
        timers_.erase(key);
    return result;
}

user::BOOL Win32WindowSystem::KillTimer(user::HWND hwnd, user::UINT_PTR idEvent) {
    const bool ours = timers_.erase({hwnd, idEvent}) != 0;
    const bool killed = ::KillTimer(ToNative(hwnd), idEvent) != 0;
    return ours || killed ? 1 : 0;
}

bool Win32WindowSystem::RunTimer(user::HWND hwnd, user::UINT_PTR idEvent, user::DWORD time) {
    auto timer = timers_.find({hwnd, idEvent});
    if (timer == timers_.end())
        return false;
    // The callback may kill or replace its own timer: nothing of it is used afterwards.
    const user::TIMERPROC proc = timer->second;
    proc(hwnd, WM_TIMER, idEvent, time);
    return true;
}

} // namespace win32platform
