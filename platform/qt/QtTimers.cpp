// Timers of the Qt window system are Qt timers of this object, so their
// callbacks run from the Qt event loop on the user-interface thread.
#include "platform/qt/QtWindowSystem.h"

#include <QTimerEvent>

#include <algorithm>
#include <chrono>

namespace qtplatform {
namespace {

user::DWORD TickCount() {
    const auto sinceStart = std::chrono::steady_clock::now().time_since_epoch();
    return static_cast<user::DWORD>(
        std::chrono::duration_cast<std::chrono::milliseconds>(sinceStart).count());
}

} // namespace

user::UINT_PTR QtWindowSystem::SetTimer(user::HWND hwnd, user::UINT_PTR idEvent, user::UINT elapse,
                                        user::TIMERPROC timerProc) {
    if (hwnd != 0 && Find(hwnd) == nullptr)
        return 0;
    const TimerKey key = timerNames_.KeyFor(hwnd, idEvent, timers_);
    if (auto running = timers_.find(key); running != timers_.end())
        StopTimer(running);

    const int qtTimerId = startTimer(static_cast<int>(std::max(elapse, user::USER_TIMER_MINIMUM)));
    if (qtTimerId == 0)
        return 0;
    timers_[key] = Timer{qtTimerId, timerProc};
    timersByQtId_[qtTimerId] = key;
    return user::TimerNames::SetTimerResult(key);
}

user::BOOL QtWindowSystem::KillTimer(user::HWND hwnd, user::UINT_PTR idEvent) {
    auto timer = timers_.find({hwnd, idEvent});
    if (timer == timers_.end())
        return 0;
    StopTimer(timer);
    return 1;
}

void QtWindowSystem::StopTimer(std::map<TimerKey, Timer>::iterator timer) {
    killTimer(timer->second.qtTimerId);
    timersByQtId_.erase(timer->second.qtTimerId);
    timers_.erase(timer);
}

void QtWindowSystem::timerEvent(QTimerEvent* event) {
    auto byQtId = timersByQtId_.find(event->timerId());
    if (byQtId == timersByQtId_.end())
        return;
    const TimerKey key = byQtId->second;
    // The callback may kill or replace its own timer: nothing of it is used afterwards.
    const user::TIMERPROC proc = timers_.at(key).proc;
    if (proc != nullptr) {
        proc(key.first, user::WM_TIMER, key.second, TickCount());
    } else if (messageHandler_) {
        messageHandler_(key.first, user::WM_TIMER, key.second, 0);
    }
}

} // namespace qtplatform
