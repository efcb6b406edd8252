#pragma once
// A TCP client socket with the shape of the classic socket control: a state, a
// connect to host and port, close, a read of the waiting bytes, and three events
// (data arrived, error, peer closed). Events are delivered only while the
// caller's thread processes pending events.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

namespace net {

// Socket states, numbered as the classic socket control numbers them.
enum SocketState : int {
    sckClosed = 0,
    sckResolvingHost = 4,
    sckConnecting = 6,
    sckConnected = 7,
    sckClosing = 8,
    sckError = 9,
};

struct SocketEvents {
    std::function<void(std::size_t bytesWaiting)> dataArrival;
    std::function<void()> error;
    std::function<void()> close; // the peer closed the connection
};

class TcpClientSocket {
  public:
    virtual ~TcpClientSocket() = default;
    virtual void SetEvents(SocketEvents events) = 0;
    virtual int State() const = 0;
    // Starts connecting; the outcome arrives as events. A host name that cannot
    // be a host name (blanks, markup, empty) raises the error event without any
    // name lookup.
    virtual void Connect(const std::string& host, std::uint16_t port) = 0;
    // Drops the connection at once; no event follows.
    virtual void Close() = 0;
    // Takes up to maxLength of the bytes waiting.
    virtual std::string GetData(std::size_t maxLength) = 0;
};

std::unique_ptr<TcpClientSocket> CreateTcpClientSocket();

// True for text that may name a host: letters, digits, "-", "_" and "." (a
// DNS name or IPv4 address), or an IPv6 address with or without brackets.
bool IsPlausibleHostName(const std::string& host);

} // namespace net
