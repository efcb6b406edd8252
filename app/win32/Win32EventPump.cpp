#include "app/win32/Win32EventPump.h"

#include <algorithm>

namespace app::win32host {

bool Win32EventPump::Deliver(MSG& message) {
    if (message.message == WM_QUIT) {
        quitSeen_ = true;
        PostQuitMessage(static_cast<int>(message.wParam));
        return false;
    }
    if (!preTranslate_ || !preTranslate_(message)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    if (afterMessage_)
        afterMessage_();
    return true;
}

void Win32EventPump::ProcessPendingEvents() {
    MSG message;
    while (!quitSeen_ && PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (!Deliver(message))
            return;
    }
}

void Win32EventPump::Sleep(int milliseconds) {
    const ULONGLONG deadline = GetTickCount64() + static_cast<ULONGLONG>(std::max(milliseconds, 0));
    for (;;) {
        const ULONGLONG now = GetTickCount64();
        if (now >= deadline)
            return;
        const auto remaining = static_cast<DWORD>(deadline - now);
        if (quitSeen_) {
            ::Sleep(remaining); // the program is ending: nothing more runs
            return;
        }
        // Wakes for input, painting, timers and sent messages, also those
        // queued before the wait; posted ones wait for the next processing.
        MsgWaitForMultipleObjectsEx(0, nullptr, remaining, QS_INPUT | QS_PAINT | QS_TIMER | QS_SENDMESSAGE,
                                    MWMO_INPUTAVAILABLE);
        MSG message;
        while (!quitSeen_ && PeekMessageW(&message, nullptr, 0, WM_USER - 1, PM_REMOVE)) {
            if (!Deliver(message))
                return;
        }
    }
}

int Win32EventPump::Run() {
    MSG message;
    for (;;) {
        const BOOL got = GetMessageW(&message, nullptr, 0, 0);
        if (got == 0 || got == -1) {
            quitSeen_ = true;
            return got == 0 ? static_cast<int>(message.wParam) : 0;
        }
        Deliver(message);
    }
}

} // namespace app::win32host
