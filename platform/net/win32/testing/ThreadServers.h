#pragma once
// Servers of the Windows tests' own on 127.0.0.1, each on a thread of its own
// as a remote server would run: a daytime server of a chosen behaviour and an
// HTTP server that answers by path.
#include <winsock2.h>

#include <atomic>
#include <cstdint>
#include <functional>
#include <map>
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

// The bytes of a whole HTTP response with its Content-Length; each of the
// extra headers ends in CR LF.
std::string HttpResponseBytes(int status, const std::string& body, const std::string& extraHeaders = {});

// What the HTTP server sends for a request, and whether it then closes the
// connection or holds it open in silence.
struct HttpReply {
    std::string bytes;
    bool close = true;
};

// An HTTP server that reads each request's head and answers it, then closes
// the connection (or holds it open, as the reply says).
class ThreadHttpServer {
  public:
    // Every request gets the same bytes.
    explicit ThreadHttpServer(std::string response);
    // Replies by path (with its query); other paths get a 404 page.
    explicit ThreadHttpServer(std::map<std::string, HttpReply> replies);
    ~ThreadHttpServer();
    std::uint16_t Port() const { return server_.Port(); }
    std::string Url(const std::string& path = "/list") const;
    std::vector<std::string> RequestLines() const;

  private:
    void Answer(SOCKET peer);
    std::map<std::string, HttpReply> replies_;
    HttpReply otherPaths_;
    mutable std::mutex mutex_;
    std::vector<std::string> requestLines_;
    std::vector<SOCKET> held_; // connections held open, closed at the end
    ThreadServer server_;      // last: it starts serving once the rest is ready
};

} // namespace net::testing
