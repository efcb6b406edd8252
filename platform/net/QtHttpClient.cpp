#include "platform/net/HttpClient.h"
#include "platform/net/HttpResponse.h"

#include <QEventLoop>
#include <QHostAddress>
#include <QHostInfo>
#include <QSslCertificate>
#include <QSslConfiguration>
#include <QSslSocket>
#include <QTimer>
#include <QUrl>

namespace net {
namespace {

bool IsHttps(const QUrl& url) {
    return url.scheme().compare("https", Qt::CaseInsensitive) == 0;
}

// One GET, run as a small state machine: resolve, connect (and for https
// shake hands), send, receive. Each phase arms the phase timer with its own
// time-out, the receive time-out again with every packet; any failure ends
// the loop.
class HttpGetOperation {
  public:
    HttpGetOperation(const QUrl& url, const HttpTimeouts& timeouts, const QList<QSslCertificate>& trusted)
        : url_(url), timeouts_(timeouts) {
        phaseTimer_.setSingleShot(true);
        QObject::connect(&phaseTimer_, &QTimer::timeout, &loop_, [this] { Finish(); });
        if (IsHttps(url_)) {
            QSslConfiguration tls = QSslConfiguration::defaultConfiguration();
            tls.setPeerVerifyMode(QSslSocket::VerifyPeer);
            if (!trusted.isEmpty())
                tls.addCaCertificates(trusted);
            socket_.setSslConfiguration(tls);
            socket_.setPeerVerifyName(url_.host());
            // A refused certificate ends the handshake with an error (below).
            QObject::connect(&socket_, &QSslSocket::encrypted, &loop_, [this] { SendRequest(); });
        } else {
            QObject::connect(&socket_, &QTcpSocket::connected, &loop_, [this] { SendRequest(); });
        }
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

    // The Location header of the complete response, empty when it had none.
    const std::string& Location() const { return location_; }

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
        if (IsHttps(url_))
            socket_.connectToHostEncrypted(address.toString(), static_cast<quint16>(url_.port(443)),
                                           url_.host());
        else
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
        const QByteArray bytes = socket_.readAll();
        if (!bytes.isEmpty() && receiving_)
            phaseTimer_.start(timeouts_.receiveMs);
        reader_.Feed(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
        if (closed)
            reader_.Close();
        const HttpResponse& response = reader_.Response();
        // The rest of an oversized body is not waited for: what a list needs is
        // in its first megabyte, and the window stays responsive.
        if (response.body.size() > kMaxHttpBodyBytes) {
            result_ = HttpGetResult{true, response.status, response.body.substr(0, kMaxHttpBodyBytes), true};
            location_ = response.location;
            return Finish();
        }
        if (response.complete) {
            result_ = HttpGetResult{true, response.status, response.body};
            location_ = response.location;
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
    QSslSocket socket_;
    int lookupId_ = -1;
    qint64 toSend_ = 0;
    bool receiving_ = false;
    bool finished_ = false;
    HttpResponseReader reader_;
    HttpGetResult result_;
    std::string location_;
};

bool IsRedirect(int status) {
    return status == 301 || status == 302 || status == 303 || status == 307 || status == 308;
}

bool CanFetch(const QUrl& url) {
    const QString scheme = url.scheme().toLower();
    return url.isValid() && (scheme == "http" || scheme == "https") && !url.host().isEmpty();
}

} // namespace

HttpGetResult HttpGet(const std::string& url, const HttpTimeouts& timeouts,
                      const std::string& trustedCertificatesPem) {
    const QList<QSslCertificate> trusted =
        QSslCertificate::fromData(QByteArray::fromStdString(trustedCertificatesPem), QSsl::Pem);
    QUrl next(QString::fromStdString(url), QUrl::StrictMode);
    for (int redirects = 0; CanFetch(next); ++redirects) {
        HttpGetOperation operation(next, timeouts, trusted);
        HttpGetResult result = operation.Run();
        if (!result.completed || !IsRedirect(result.status) || operation.Location().empty())
            return result;
        if (redirects == kMaxHttpRedirects)
            return {};
        next = next.resolved(QUrl(QString::fromStdString(operation.Location()), QUrl::StrictMode));
    }
    return {};
}

} // namespace net
