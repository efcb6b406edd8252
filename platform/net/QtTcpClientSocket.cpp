#include "platform/net/TcpClientSocket.h"

#include <QSignalBlocker>
#include <QSocketNotifier>
#include <QTcpSocket>
#include <QTimer>

#include <fcntl.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <sys/socket.h>
#include <unistd.h>

namespace net {
namespace {

class QtTcpClientSocket final : public TcpClientSocket {
  public:
    QtTcpClientSocket() {
        QObject::connect(&socket_, &QTcpSocket::readyRead, &socket_, [this] {
            if (events_.dataArrival && socket_.bytesAvailable() > 0)
                events_.dataArrival(static_cast<std::size_t>(socket_.bytesAvailable()));
        });
        QObject::connect(&socket_, &QTcpSocket::errorOccurred, &socket_,
                         [this](QAbstractSocket::SocketError e) {
                             // A time-out can only come from the zero-wait look for data below
                             // and means "nothing yet".
                             if (e == QAbstractSocket::SocketTimeoutError)
                                 return;
                             // The peer closing is the close event; a reset is an error.
                             if (e == QAbstractSocket::RemoteHostClosedError && !(peerReset_ = PeerReset()))
                                 return;
                             RaiseError();
                         });
        // Qt creates the connecting socket's descriptor after it reports the
        // state, and tells it only once connected: look for it from the event
        // loop, as the descriptor of the notifier that waits for the connection.
        descriptorPoll_.setInterval(5);
        QObject::connect(&descriptorPoll_, &QTimer::timeout, &socket_, [this] {
            if (socket_.state() != QAbstractSocket::ConnectingState || WatchConnecting())
                descriptorPoll_.stop();
        });
        QObject::connect(&socket_, &QTcpSocket::stateChanged, &socket_, [this](QAbstractSocket::SocketState state) {
            if (state == QAbstractSocket::ConnectingState && !WatchConnecting())
                descriptorPoll_.start();
        });
        QObject::connect(&socket_, &QTcpSocket::connected, &socket_, [this] {
            StopWatchingConnecting();
            if (watch_ < 0)
                watch_ = ::fcntl(static_cast<int>(socket_.socketDescriptor()), F_DUPFD_CLOEXEC, 0);
            // Data a fast server sent with its accept is delivered in the same
            // round of event processing as the connection, not one round later.
            socket_.waitForReadyRead(0);
        });
        QObject::connect(&socket_, &QTcpSocket::disconnected, &socket_, [this] {
            ForgetWatch();
            if (events_.close && !peerReset_)
                events_.close();
        });
    }

    ~QtTcpClientSocket() override {
        // No event may reach the owner while the socket is being torn down.
        QObject::disconnect(&socket_, nullptr, nullptr, nullptr);
        socket_.abort();
        ForgetWatch();
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
        peerReset_ = false;
        // Closing from our side is no event: abort() would report a disconnection.
        const QSignalBlocker quiet(&socket_);
        socket_.abort();
        ForgetWatch();
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

    // A connection reset while it is being established leaves Qt's socket
    // connecting until its own half-minute time-out: the reset reaches Qt as
    // an error it does not map. The socket itself tells: it turns writable
    // when the connection is made or has failed, and its TCP state is closed
    // only when it failed.
    // True when the watch is set up (or cannot be): nothing more to look for.
    bool WatchConnecting() {
        const int descriptor = ConnectingDescriptor();
        if (descriptor < 0)
            return false;
        if (watch_ >= 0)
            return true;
        watch_ = ::fcntl(descriptor, F_DUPFD_CLOEXEC, 0);
        if (watch_ < 0)
            return true;
        connecting_ = new QSocketNotifier(watch_, QSocketNotifier::Write, &socket_);
        // Made, it stays writable until Qt reports the connection (and this
        // watch ends); a reset before that is ours to report.
        QObject::connect(connecting_, &QSocketNotifier::activated, &socket_, [this] {
            if (!PeerReset())
                return;
            Close();
            RaiseError();
        });
        return true;
    }

    // Qt's socket engine waits for the connection with a write notifier on the
    // connecting descriptor; that notifier lives among the socket's children.
    int ConnectingDescriptor() const {
        for (const QSocketNotifier* notifier : socket_.findChildren<QSocketNotifier*>())
            if (notifier != connecting_ && notifier->type() == QSocketNotifier::Write && notifier->isEnabled())
                return static_cast<int>(notifier->socket());
        return -1;
    }

    void StopWatchingConnecting() {
        if (!connecting_)
            return;
        connecting_->setEnabled(false);
        connecting_->deleteLater();
        connecting_ = nullptr;
    }

    // Qt reports a reset by the peer as the same remote close as an orderly one.
    // A second descriptor of the connection keeps the socket alive after Qt has
    // closed its own, so its state still tells the two apart: an orderly close
    // leaves it waiting for our side to close, a reset has closed it.
    bool PeerReset() const {
        tcp_info info{};
        socklen_t size = sizeof info;
        return watch_ >= 0 && ::getsockopt(watch_, IPPROTO_TCP, TCP_INFO, &info, &size) == 0 &&
               info.tcpi_state == TCP_CLOSE;
    }

    void ForgetWatch() {
        descriptorPoll_.stop();
        StopWatchingConnecting();
        if (watch_ >= 0)
            ::close(watch_);
        watch_ = -1;
    }

    QTcpSocket socket_;
    SocketEvents events_;
    bool hostRefused_ = false;
    bool peerReset_ = false;
    int watch_ = -1; // a duplicate descriptor of the connecting or connected socket
    QSocketNotifier* connecting_ = nullptr; // while connecting: turns writable when that ends
    QTimer descriptorPoll_;
    unsigned attempt_ = 0;
};

} // namespace

std::unique_ptr<TcpClientSocket> CreateTcpClientSocket() {
    return std::make_unique<QtTcpClientSocket>();
}

} // namespace net
