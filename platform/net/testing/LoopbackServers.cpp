#include "platform/net/testing/LoopbackServers.h"

#include <QTcpSocket>
#include <QTimer>

#include <sys/socket.h>

#include <cstdio>
#include <memory>

namespace net::testing {

std::string NistReply(int year, int month, int day, int hour, int minute, int second) {
    char text[96];
    std::snprintf(text, sizeof text, "\n60651 %02d-%02d-%02d %02d:%02d:%02d 00 0 0 512.3 UTC(NIST) * \n",
                  year % 100, month, day, hour, minute, second);
    return text;
}

void ResetConnection(QTcpSocket& peer) {
    // A zero linger time makes the close send a reset instead of a FIN.
    const linger abortive{1, 0};
    ::setsockopt(static_cast<int>(peer.socketDescriptor()), SOL_SOCKET, SO_LINGER, &abortive,
                 sizeof abortive);
    peer.abort();
}

LoopbackDaytimeServer::LoopbackDaytimeServer() {
    server_.listen(QHostAddress::LocalHost, 0);
    port_ = server_.serverPort();
    QObject::connect(&server_, &QTcpServer::newConnection, &server_, [this] { Serve(); });
}

void LoopbackDaytimeServer::Script(std::vector<DaytimeStep> steps, DaytimeStep fallback) {
    script_ = std::move(steps);
    fallback_ = std::move(fallback);
}

void LoopbackDaytimeServer::Serve() {
    while (QTcpSocket* peer = server_.nextPendingConnection()) {
        const std::size_t index = static_cast<std::size_t>(connections_++);
        const DaytimeStep step = index < script_.size() ? script_[index] : fallback_;
        switch (step.behaviour) {
        case DaytimeBehaviour::Reply:
            peer->write(step.reply);
            peer->disconnectFromHost();
            break;
        case DaytimeBehaviour::ReplyOpen:
            peer->write(step.reply);
            break;
        case DaytimeBehaviour::Silent:
            break;
        case DaytimeBehaviour::CloseAtOnce:
            peer->disconnectFromHost();
            break;
        case DaytimeBehaviour::Reset:
            peer->write(step.reply);
            // Once the client has surely taken the connection as established.
            QTimer::singleShot(100, peer, [peer] { ResetConnection(*peer); });
            break;
        }
    }
}

std::uint16_t ClosedLoopbackPort() {
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    const std::uint16_t port = probe.serverPort();
    probe.close();
    return port;
}

QByteArray HttpResponseBytes(int status, const QByteArray& body, bool chunked) {
    QByteArray bytes = "HTTP/1.1 " + QByteArray::number(status) + (status == 200 ? " OK" : " Not Found") +
                       "\r\nContent-Type: text/plain\r\nConnection: close\r\n";
    if (!chunked)
        return bytes + "Content-Length: " + QByteArray::number(body.size()) + "\r\n\r\n" + body;
    bytes += "Transfer-Encoding: chunked\r\n\r\n";
    // Two chunks, so that joining is exercised.
    const qsizetype half = body.size() / 2;
    for (const QByteArray& part : {body.left(half), body.mid(half)})
        if (!part.isEmpty())
            bytes += QByteArray::number(part.size(), 16) + "\r\n" + part + "\r\n";
    return bytes + "0\r\n\r\n";
}

LoopbackHttpServer::LoopbackHttpServer() {
    server_.listen(QHostAddress::LocalHost, 0);
    port_ = server_.serverPort();
    QObject::connect(&server_, &QTcpServer::newConnection, &server_, [this] {
        while (QTcpSocket* peer = server_.nextPendingConnection()) {
            auto received = std::make_shared<QByteArray>();
            QObject::connect(peer, &QTcpSocket::readyRead, peer, [this, peer, received] {
                *received += peer->readAll();
                if (!received->contains("\r\n\r\n") || !answer_)
                    return;
                requestLines_.append(received->left(received->indexOf("\r\n")));
                peer->write(response_);
                peer->disconnectFromHost();
            });
        }
    });
}

std::string LoopbackHttpServer::Url(const std::string& path) const {
    return "http://127.0.0.1:" + std::to_string(port_) + path;
}

} // namespace net::testing
