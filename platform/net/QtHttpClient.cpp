#include "platform/net/HttpClient.h"
#include "platform/net/HttpResponse.h"

#include <QEventLoop>
#include <QHostAddress>
#include <QHostInfo>
#include <QTcpSocket>
#include <QTimer>
#include <QUrl>

namespace net {
namespace {

// One GET, run as a small state machine: resolve, connect, send, receive. Each
// phase arms the phase timer with its own time-out; any failure ends the loop.
class HttpGetOperation {
  public:
    HttpGetOperation(const QUrl& url, const HttpTimeouts& timeouts) : url_(url), timeouts_(timeouts) {
        phaseTimer_.setSingleShot(true);
        QObject::connect(&phaseTimer_, &QTimer::timeout, &loop_, [this] { Finish(); });
        QObject::connect(&socket_, &QTcpSocket::connected, &loop_, [this] { SendRequest(); });
        QObject::connect(&socket_, &QTcpSocket::bytesWritten, &loop_, [this](qint64 n) { OnWritten(n); });
        QObject::connect(&socket_, &QTcpSocket::readyRead, &loop_, [this] { OnReadable(false); });
        QObject::connect(&socket_, &QTcpSocket::disconnected, &loop_, [this] { OnReadable(true); });
        QObject::connect(&socket_, &QTcpSocket::errorOccurred, &loop_,
                         [this](QAbstractSocket::SocketError e) {
                             if (e == QAbstractSocket::RemoteHostClosedError)
                                 OnReadable(true);
                             else
                                 Finish();
                         });
    }

    ~HttpGetOperation() {
        if (lookupId_ >= 0)
            QHostInfo::abortHostLookup(lookupId_);
        QObject::disconnect(&socket_, nullptr, nullptr, nullptr);
        socket_.abort();
    }

    HttpGetResult Run() {
        const QString host = url_.host();
        QHostAddress literal;
        if (literal.setAddress(host)) {
            ConnectTo(literal);
        } else {
            phaseTimer_.start(timeouts_.resolveMs);
            lookupId_ =
                QHostInfo::lookupHost(host, &loop_, [this](const QHostInfo& info) { OnResolved(info); });
        }
        if (!finished_)
            loop_.exec();
        return result_;
    }

  private:
    void OnResolved(const QHostInfo& info) {
        lookupId_ = -1;
        if (info.error() != QHostInfo::NoError || info.addresses().isEmpty())
            return Finish();
        ConnectTo(info.addresses().constFirst());
    }

    void ConnectTo(const QHostAddress& address) {
        phaseTimer_.start(timeouts_.connectMs);
        socket_.connectToHost(address, static_cast<quint16>(url_.port(80)));
    }

    void SendRequest() {
        QByteArray path = url_.path(QUrl::FullyEncoded).toLatin1();
        if (path.isEmpty())
            path = "/";
        if (url_.hasQuery())
            path += "?" + url_.query(QUrl::FullyEncoded).toLatin1();
        QByteArray hostHeader = url_.host(QUrl::FullyEncoded).toLatin1();
        if (hostHeader.contains(':')) // an IPv6 address
            hostHeader = "[" + hostHeader + "]";
        if (url_.port() != -1)
            hostHeader += ":" + QByteArray::number(url_.port());
        const QByteArray request = "GET " + path + " HTTP/1.1\r\nHost: " + hostHeader +
                                   "\r\nAccept: */*\r\nUser-Agent: DunmoraDesk\r\nConnection: close\r\n\r\n";
        toSend_ = request.size();
        phaseTimer_.start(timeouts_.sendMs);
        if (socket_.write(request) != request.size())
            Finish();
    }

    void OnWritten(qint64 count) {
        toSend_ -= count;
        if (toSend_ <= 0 && !receiving_) {
            receiving_ = true;
            phaseTimer_.start(timeouts_.receiveMs);
        }
    }

    void OnReadable(bool closed) {
        if (finished_)
            return;
        received_ += socket_.readAll().toStdString();
        if (received_.size() > kMaxHttpBodyBytes + 65536)
            return Finish();
        HttpResponse response = ParseHttpResponse(received_, closed);
        if (response.complete && response.body.size() <= kMaxHttpBodyBytes) {
            result_ = HttpGetResult{true, response.status, std::move(response.body)};
            return Finish();
        }
        if (closed || response.malformed)
            Finish();
    }

    void Finish() {
        finished_ = true;
        phaseTimer_.stop();
        loop_.quit();
    }

    QUrl url_;
    HttpTimeouts timeouts_;
    QEventLoop loop_;
    QTimer phaseTimer_;
    QTcpSocket socket_;
    int lookupId_ = -1;
    qint64 toSend_ = 0;
    bool receiving_ = false;
    bool finished_ = false;
    std::string received_;
    HttpGetResult result_;
};

} // namespace

HttpGetResult HttpGet(const std::string& url, const HttpTimeouts& timeouts) {
    const QUrl parsed(QString::fromStdString(url), QUrl::StrictMode);
    if (!parsed.isValid() || parsed.scheme().toLower() != "http" || parsed.host().isEmpty())
        return {};
    HttpGetOperation operation(parsed, timeouts);
    return operation.Run();
}

} // namespace net
