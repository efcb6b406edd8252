#pragma once
// The thread's message queue as the behaviour's event pump. Every message
// goes through the form first (Tab, Enter and access keys, as in a dialog),
// then TranslateMessage and DispatchMessage; after each one the host may look
// at what changed (the focus).
//
// The sleep of a wait step also dispatches the system's messages that arrive
// meanwhile (input, painting, timers): a query waits in steps of 55 ms, and
// a window that answers nothing for that long looks hung. The program's own
// notices (WM_USER and up: the socket's events) stay queued until the step
// processes pending events, so the behaviour's steps keep their order.
//
// WM_QUIT ends every loop: one that meets it inside a wait puts it back for
// the outermost loop (Run), and from then on the pump dispatches nothing.
#include "app/EventPump.h"

#include "platform/win32/Native.h"

#include <functional>

namespace app::win32host {

class Win32EventPump final : public EventPump {
  public:
    // True when the form handled the message itself.
    void SetPreTranslate(std::function<bool(MSG&)> preTranslate) { preTranslate_ = std::move(preTranslate); }
    void SetAfterMessage(std::function<void()> afterMessage) { afterMessage_ = std::move(afterMessage); }

    void ProcessPendingEvents() override;
    void Sleep(int milliseconds) override;

    // Dispatches messages until WM_QUIT; returns its exit code.
    int Run();
    bool QuitSeen() const { return quitSeen_; }

  private:
    // False when the message was WM_QUIT, which is posted again.
    bool Deliver(MSG& message);

    std::function<bool(MSG&)> preTranslate_;
    std::function<void()> afterMessage_;
    bool quitSeen_ = false;
};

} // namespace app::win32host
