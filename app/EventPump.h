#pragma once
// The host's event loop as the commands use it while they wait: a sleep, and
// the call that processes every pending event (painting, input, the socket's
// events). A command waits in steps of the two, so the window stays alive.
namespace app {

class EventPump {
  public:
    virtual ~EventPump() = default;
    virtual void ProcessPendingEvents() = 0;
    // Waits the given time. The behaviour's own events (the socket's) arrive
    // only in ProcessPendingEvents; a host may go on painting meanwhile (the
    // Windows host does, so its window never looks hung).
    virtual void Sleep(int milliseconds) = 0;
};

} // namespace app
