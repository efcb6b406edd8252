// Timers of the headless window system run on a virtual clock that only the
// test moves, so timer-driven behaviour is exact and never waits.
#include "platform/headless/HeadlessWindowSystem.h"

#include "platform/headless/detail/Records.h"

#include <algorithm>

namespace headless {

user::UINT_PTR HeadlessWindowSystem::SetTimer(user::HWND hwnd, user::UINT_PTR idEvent, user::UINT elapse,
                                              user::TIMERPROC timerProc) {
    if (hwnd != 0 && Find(hwnd) == nullptr)
        return 0;
    const user::TimerKey key = timerNames_.KeyFor(hwnd, idEvent, timers_);
    // A period below the minimum would let one AdvanceClock run forever.
    const user::UINT period = std::max(elapse, user::USER_TIMER_MINIMUM);
    timers_[key] = Timer{period, now_ + period, timerProc, nextTimerSequence_++};
    return user::TimerNames::SetTimerResult(key);
}

user::BOOL HeadlessWindowSystem::KillTimer(user::HWND hwnd, user::UINT_PTR idEvent) {
    return timers_.erase({hwnd, idEvent}) != 0 ? 1 : 0;
}

bool HeadlessWindowSystem::HasTimer(user::HWND hwnd, user::UINT_PTR idEvent) const {
    return timers_.contains({hwnd, idEvent});
}

const HeadlessWindowSystem::TimerKey* HeadlessWindowSystem::NextDueTimer(std::uint64_t until) const {
    const TimerKey* next = nullptr;
    const Timer* nextTimer = nullptr;
    for (const auto& [key, timer] : timers_) {
        if (timer.due > until)
            continue;
        if (nextTimer == nullptr || timer.due < nextTimer->due ||
            (timer.due == nextTimer->due && timer.sequence < nextTimer->sequence)) {
            next = &key;
            nextTimer = &timer;
        }
    }
    return next;
}

void HeadlessWindowSystem::AdvanceClock(user::DWORD milliseconds) {
    const std::uint64_t until = now_ + milliseconds;
    while (const TimerKey* due = NextDueTimer(until)) {
        const TimerKey key = *due;
        Timer& timer = timers_.at(key);
        now_ = timer.due;
        // Schedule the next tick before the callback runs, so that a callback
        // that kills or replaces its own timer has the last word.
        timer.due += timer.period;
        const user::TIMERPROC proc = timer.proc;
        if (proc != nullptr) {
            proc(key.first, user::WM_TIMER, key.second, static_cast<user::DWORD>(now_));
        } else {
            posted_.push_back({key.first, user::WM_TIMER, key.second, 0});
        }
    }
    now_ = until;
}

} // namespace headless
