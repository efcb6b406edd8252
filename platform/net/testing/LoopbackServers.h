#pragma once
// Servers that tests start on 127.0.0.1 with an ephemeral port: a daytime server
// with a scripted behaviour per connection, and an HTTP server with one canned
// response. They run on the test's own thread, so they answer while that thread
// processes events (inside the waits of the code under test).
#include "platform/net/testing/DaytimeScript.h"
#include "platform/net/testing/NistReply.h"

#include <QByteArray>
#include <QList>
#include <QTcpServer>
#include <QTcpSocket>

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace net::testing {

class LoopbackDaytimeServer {
  public:
    LoopbackDaytimeServer();
    // Behaviour of the next connections, one step per connection in order; after
    // the script runs out, every connection gets the fallback.
    void Script(std::vector<DaytimeStep> steps, DaytimeStep fallback);
    void AlwaysReply(const std::string& reply) { Script({}, {DaytimeBehaviour::Reply, reply}); }
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

// How a response is sent: pieces of these sizes, each followed by a pause,
// then the rest at once. Without pieces the whole response goes at once.
struct Delivery {
    std::vector<qsizetype> pieces;
    int pauseMs = 0;
};

// The certificate (self-signed for IP address 127.0.0.1) of the https server.
std::string LoopbackCertificatePem();

// An HTTP server, or with tls an https server with the certificate above.
class LoopbackHttpServer {
  public:
    explicit LoopbackHttpServer(bool tls = false);
    // The response sent, followed by a close, once a request's headers are in.
    void Respond(const QByteArray& responseBytes, Delivery delivery = {}) {
        fallback_ = {responseBytes, std::move(delivery)};
        answer_ = true;
    }
    // The response for requests of one path (with its query); others get the one above.
    void Route(const std::string& path, const QByteArray& responseBytes, Delivery delivery = {}) {
        routes_[QByteArray::fromStdString(path)] = {responseBytes, std::move(delivery)};
    }
    // Requests are read but never answered.
    void NeverAnswer() { answer_ = false; }
    std::uint16_t Port() const { return port_; }
    std::string Url(const std::string& path = "/txttimeserv.htm") const;
    const QList<QByteArray>& RequestLines() const { return requestLines_; }
    // The Host header of each request, empty for a request without one.
    const QList<QByteArray>& HostHeaders() const { return hostHeaders_; }

  private:
    struct Answer {
        QByteArray bytes;
        Delivery delivery;
    };
    void Serve(QTcpSocket* peer);
    std::unique_ptr<QTcpServer> server_;
    bool tls_ = false;
    std::uint16_t port_ = 0;
    Answer fallback_;
    std::map<QByteArray, Answer> routes_;
    bool answer_ = true;
    QList<QByteArray> requestLines_;
    QList<QByteArray> hostHeaders_;
};

} // namespace net::testing
