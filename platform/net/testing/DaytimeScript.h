#pragma once
// How a test's daytime server treats each connection: the same vocabulary for
// the loopback server and for the in-memory one of the program's tests.
#include <string>

namespace net::testing {

enum class DaytimeBehaviour {
    Reply,       // sends the reply text, then closes
    ReplyOpen,   // sends the reply text and keeps the connection open
    Silent,      // accepts and never sends
    CloseAtOnce, // accepts and closes without sending
    Reset,       // sends the reply text, then resets the connection (the loopback server: 20 ms later)
    ResetAtOnce, // resets the connection as soon as it is accepted
};

struct DaytimeStep {
    DaytimeBehaviour behaviour = DaytimeBehaviour::Reply;
    std::string reply;
};

} // namespace net::testing
