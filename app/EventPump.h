#pragma once
// The host's event loop as the commands use it while they wait: a sleep, and
// the call that processes every pending event (painting, input, the socket's
// events). A command waits in steps of the two, so the window stays alive.
namespace app {

class EventPump {
  public:
    virtual ~EventPump() = default;
    virtual void ProcessPendingEvents() = 0;
    // Blocks the thread for the given time; no events run meanwhile.
    virtual void Sleep(int milliseconds) = 0;
};

} // namespace app
