#pragma once
// The network as the program's behaviour meets it, in memory: a daytime server
// with a scripted behaviour per connection, reached through sockets whose
// events arrive when the host processes pending events, and an HTTP client
// with canned responses. Nothing leaves the process; waits cost no time.
#include "app/AppEnvironment.h"
#include "platform/net/TcpClientSocket.h"
#include "platform/net/testing/DaytimeScript.h"
#include "platform/net/testing/NistReply.h"

#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace app::testing {

using net::testing::DaytimeBehaviour;
using net::testing::DaytimeStep;

// The daytime server at kDaytimeHost, port kDaytimePort. Every other host,
// and this one after StopListening, refuses: the socket raises its error.
class FakeDaytimeServer {
  public:
    static constexpr const char* kHost = "127.0.0.1";
    static constexpr std::uint16_t kPort = 10013;

    // Behaviour of the next connections, one step per connection in order; after
    // the script runs out, every connection gets the fallback.
    void Script(std::vector<DaytimeStep> steps, DaytimeStep fallback);
    void AlwaysReply(const std::string& reply) { Script({}, {DaytimeBehaviour::Reply, reply}); }
    // Decides each connection's behaviour instead of the script.
    void Decide(std::function<DaytimeStep()> decide) { decide_ = std::move(decide); }
    void StopListening() { listening_ = false; }
    int Connections() const { return connections_; }

    // A socket whose connections reach this server.
    std::unique_ptr<net::TcpClientSocket> CreateSocket();
    // Delivers the events of every open socket; the host's event processing.
    void DeliverEvents();

  private:
    friend class FakeSocket;
    bool Accepts(const std::string& host, std::uint16_t port) const;
    DaytimeStep NextStep();

    std::deque<DaytimeStep> script_;
    DaytimeStep fallback_;
    std::function<DaytimeStep()> decide_;
    bool listening_ = true;
    int connections_ = 0;
    std::vector<class FakeSocket*> sockets_;
};

// HTTP GETs answered from a table: the response for a URL, or for every URL.
class FakeHttp {
  public:
    static constexpr const char* kListUrl = "http://127.0.0.1:8080/txttimeserv.htm";

    void Respond(int status, std::string body, bool truncated = false);
    // The request gets no complete response (its time-out ends it).
    void NeverAnswer() { answer_ = false; }
    // Runs during each request, as the host's event loop would run events.
    void WhileWaiting(std::function<void()> action) { whileWaiting_ = std::move(action); }

    HttpGetFunction Client();
    const std::vector<std::string>& RequestedUrls() const { return urls_; }
    const std::vector<net::HttpTimeouts>& RequestedTimeouts() const { return timeouts_; }

  private:
    net::HttpGetResult response_{true, 200, {}, false};
    bool answer_ = true;
    std::function<void()> whileWaiting_;
    std::vector<std::string> urls_;
    std::vector<net::HttpTimeouts> timeouts_;
};

using net::testing::NistReply;

} // namespace app::testing
