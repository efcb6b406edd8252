#include "platform/net/TcpClientSocket.h"

#include <QSignalBlocker>
#include <QTcpSocket>
#include <QTimer>

namespace net {
namespace {

class QtTcpClientSocket final : public TcpClientSocket {
  public:
    QtTcpClientSocket() {
        QObject::connect(&socket_, &QTcpSocket::readyRead, &socket_, [this] {
            if (events_.dataArrival && socket_.bytesAvailable() > 0)
                events_.dataArrival(static_cast<std::size_t>(socket_.bytesAvailable()));
        });
        QObject::connect(
            &socket_, &QTcpSocket::errorOccurred, &socket_, [this](QAbstractSocket::SocketError e) {
                // The peer closing is the close event, not an error; a time-out can only
                // come from the zero-wait look for data below and means "nothing yet".
                if (e != QAbstractSocket::RemoteHostClosedError && e != QAbstractSocket::SocketTimeoutError)
                    RaiseError();
            });
        // Data a fast server sent with its accept is delivered in the same round
        // of event processing as the connection, not one round later.
        QObject::connect(&socket_, &QTcpSocket::connected, &socket_, [this] { socket_.waitForReadyRead(0); });
        QObject::connect(&socket_, &QTcpSocket::disconnected, &socket_, [this] {
            if (events_.close)
                events_.close();
        });
    }

    ~QtTcpClientSocket() override {
        // No event may reach the owner while the socket is being torn down.
        QObject::disconnect(&socket_, nullptr, nullptr, nullptr);
        socket_.abort();
    }

    void SetEvents(SocketEvents events) override { events_ = std::move(events); }

    int State() const override {
        if (hostRefused_)
            return sckError;
        switch (socket_.state()) {
        case QAbstractSocket::HostLookupState:
            return sckResolvingHost;
        case QAbstractSocket::ConnectingState:
            return sckConnecting;
        case QAbstractSocket::ConnectedState:
            return sckConnected;
        case QAbstractSocket::ClosingState:
            return sckClosing;
        default:
            return sckClosed;
        }
    }

    void Connect(const std::string& host, std::uint16_t port) override {
        Close();
        if (!IsPlausibleHostName(host)) {
            // Reported from the event loop, as a failed lookup would be.
            hostRefused_ = true;
            const unsigned attempt = attempt_;
            QTimer::singleShot(0, &socket_, [this, attempt] {
                if (attempt == attempt_ && hostRefused_)
                    RaiseError();
            });
            return;
        }
        socket_.connectToHost(QString::fromStdString(host), port);
    }

    void Close() override {
        ++attempt_;
        hostRefused_ = false;
        // Closing from our side is no event: abort() would report a disconnection.
        const QSignalBlocker quiet(&socket_);
        socket_.abort();
    }

    std::string GetData(std::size_t maxLength) override {
        QByteArray bytes = socket_.read(static_cast<qint64>(maxLength));
        return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
    }

  private:
    void RaiseError() {
        if (events_.error)
            events_.error();
    }

    QTcpSocket socket_;
    SocketEvents events_;
    bool hostRefused_ = false;
    unsigned attempt_ = 0;
};

} // namespace

std::unique_ptr<TcpClientSocket> CreateTcpClientSocket() {
    return std::make_unique<QtTcpClientSocket>();
}

} // namespace net
