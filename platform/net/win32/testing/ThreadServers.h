#pragma once
// Servers of the Windows tests' own on 127.0.0.1, each on a thread of its own
// as a remote server would run: a daytime server of a chosen behaviour and an
// HTTP server that gives every request the same response.
#include <winsock2.h>

#include <atomic>
#include <cstdint>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace net::testing {

// Accepts one connection after another on 127.0.0.1 and hands each to a
// handler. Port 0 takes any free port.
class ThreadServer {
  public:
    using Handler = std::function<void(SOCKET peer)>;
    ThreadServer(std::uint16_t port, Handler handler);
    ~ThreadServer();
    ThreadServer(const ThreadServer&) = delete;
    ThreadServer& operator=(const ThreadServer&) = delete;

    // False when the port could not be had; the server then serves nothing.
    bool Listening() const { return port_ != 0; }
    std::uint16_t Port() const { return port_; }
    int Connections() const { return connections_; }

  private:
    void Serve();
    Handler handler_;
    SOCKET listener_ = INVALID_SOCKET;
    std::uint16_t port_ = 0;
    std::atomic<int> connections_{0};
    std::thread thread_;
};

enum class DaytimeBehaviour { ReplyAndClose, CloseAtOnce, ResetAtOnce, Silent };

// A daytime server; the reply is made when a connection comes, so that it can
// tell the time of that moment.
class ThreadDaytimeServer {
  public:
    ThreadDaytimeServer(DaytimeBehaviour behaviour, std::function<std::string()> reply, std::uint16_t port = 0);
    ThreadDaytimeServer(DaytimeBehaviour behaviour, const std::string& reply, std::uint16_t port = 0);
    ~ThreadDaytimeServer();
    bool Listening() const { return server_.Listening(); }
    std::uint16_t Port() const { return server_.Port(); }
    int Connections() const { return server_.Connections(); }

  private:
    void Answer(SOCKET peer);
    DaytimeBehaviour behaviour_;
    std::function<std::string()> reply_;
    std::mutex heldMutex_;
    std::vector<SOCKET> held_; // the silent server's connections, closed at the end
    ThreadServer server_;      // last: it starts serving once the rest is ready
};

// An HTTP server that reads each request's head and answers it with the same
// bytes, then closes the connection.
class ThreadHttpServer {
  public:
    explicit ThreadHttpServer(std::string response);
    std::uint16_t Port() const { return server_.Port(); }
    std::string Url(const std::string& path = "/list") const;
    std::vector<std::string> RequestLines() const;

  private:
    void Answer(SOCKET peer);
    std::string response_;
    mutable std::mutex mutex_;
    std::vector<std::string> requestLines_;
    ThreadServer server_;
};

} // namespace net::testing
