// How SetTimer names a timer on every window system: by its window and its
// identifier. A thread timer (window 0) keeps the identifier it is given only
// when that names a running thread timer (SetTimer then replaces it);
// otherwise it gets a fresh one, as on Windows.
#pragma once

#include "platform/window/user.h"

#include <utility>

namespace user {

using TimerKey = std::pair<HWND, UINT_PTR>;

class TimerNames {
  public:
    // The key a SetTimer call sets; timers is the back end's map of running timers by key.
    template <class RunningTimers> TimerKey KeyFor(HWND hwnd, UINT_PTR idEvent, const RunningTimers& timers) {
        if (hwnd == 0 && !timers.contains(TimerKey{0, idEvent}))
            idEvent = nextThreadTimerId_++;
        return {hwnd, idEvent};
    }

    // What SetTimer returns for a timer set under key: never 0, which reports failure.
    static UINT_PTR SetTimerResult(const TimerKey& key) { return key.second != 0 ? key.second : 1; }

  private:
    UINT_PTR nextThreadTimerId_ = 0x7000;
};

} // namespace user
