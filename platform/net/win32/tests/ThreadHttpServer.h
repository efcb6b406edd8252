#pragma once
// An HTTP server on 127.0.0.1 for the Windows client's tests. It runs on a
// thread of its own, as a remote server would, while the client's thread
// waits in its message loop: one response per path, sent whole and followed by
// a close, or followed by silence (the connection is left open).
#include <winsock2.h>

#include <cstdint>
#include <map>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace net::testing {

// What the server sends for a path, and whether it then closes the
// connection or holds it open in silence.
struct Reply {
    std::string bytes;
    bool close = true;
};

// The bytes of a whole response with its Content-Length; extraHeaders end in CR LF each.
std::string HttpResponseBytes(int status, const std::string& body, const std::string& extraHeaders = {});

class ThreadHttpServer {
  public:
    // Replies by path; a path without one gets a 404 page.
    explicit ThreadHttpServer(std::map<std::string, Reply> replies);
    ~ThreadHttpServer();
    ThreadHttpServer(const ThreadHttpServer&) = delete;
    ThreadHttpServer& operator=(const ThreadHttpServer&) = delete;

    std::uint16_t Port() const { return port_; }
    std::string Url(const std::string& path) const;
    // The paths asked for since the last call, in order.
    std::vector<std::string> TakeRequestedPaths();

  private:
    void Serve();
    void Answer(SOCKET peer);

    std::map<std::string, Reply> replies_;
    SOCKET listener_ = INVALID_SOCKET;
    std::uint16_t port_ = 0;
    std::vector<SOCKET> heldOpen_; // held open until the server ends
    std::mutex mutex_;
    std::vector<std::string> requested_;
    std::thread thread_;
};

} // namespace net::testing
