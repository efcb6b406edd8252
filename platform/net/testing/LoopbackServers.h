#pragma once
// Servers that tests start on 127.0.0.1 with an ephemeral port: a daytime server
// with a scripted behaviour per connection, and an HTTP server with one canned
// response. They run on the test's own thread, so they answer while that thread
// processes events (inside the waits of the code under test).
#include <QByteArray>
#include <QList>
#include <QTcpServer>
#include <QTcpSocket>

#include <cstdint>
#include <string>
#include <vector>

namespace net::testing {

// A NIST-style daytime reply for a UTC date and time, with the leading newline,
// health and daylight-saving fields and the trailing "UTC(NIST) *".
std::string NistReply(int year, int month, int day, int hour, int minute, int second);

enum class DaytimeBehaviour {
    Reply,       // sends the reply text, then closes
    ReplyOpen,   // sends the reply text and keeps the connection open
    Silent,      // accepts and never sends
    CloseAtOnce, // accepts and closes without sending
    Reset,       // sends the reply text and resets the connection 100 ms later
};

struct DaytimeStep {
    DaytimeBehaviour behaviour = DaytimeBehaviour::Reply;
    QByteArray reply;
};

class LoopbackDaytimeServer {
  public:
    LoopbackDaytimeServer();
    // Behaviour of the next connections, one step per connection in order; after
    // the script runs out, every connection gets the fallback.
    void Script(std::vector<DaytimeStep> steps, DaytimeStep fallback);
    void AlwaysReply(const QByteArray& reply) { Script({}, {DaytimeBehaviour::Reply, reply}); }
    // Closes the listening socket: later connections are refused.
    void StopListening() { server_.close(); }
    std::uint16_t Port() const { return port_; }
    int Connections() const { return connections_; }

  private:
    void Serve();
    QTcpServer server_;
    std::uint16_t port_ = 0;
    std::vector<DaytimeStep> script_;
    DaytimeStep fallback_;
    int connections_ = 0;
};

// Closes the connection with a reset (RST) instead of an orderly close.
void ResetConnection(QTcpSocket& peer);

// A loopback port on which nothing listens: connections are refused.
std::uint16_t ClosedLoopbackPort();

// The bytes of a whole HTTP response.
QByteArray HttpResponseBytes(int status, const QByteArray& body, bool chunked = false);

class LoopbackHttpServer {
  public:
    LoopbackHttpServer();
    // The response sent, followed by a close, once a request's headers are in.
    void Respond(const QByteArray& responseBytes) {
        response_ = responseBytes;
        answer_ = true;
    }
    // Requests are read but never answered.
    void NeverAnswer() { answer_ = false; }
    std::uint16_t Port() const { return port_; }
    std::string Url(const std::string& path = "/txttimeserv.htm") const;
    const QList<QByteArray>& RequestLines() const { return requestLines_; }

  private:
    QTcpServer server_;
    std::uint16_t port_ = 0;
    QByteArray response_;
    bool answer_ = true;
    QList<QByteArray> requestLines_;
};

} // namespace net::testing
