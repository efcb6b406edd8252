#include "app/tests/FakeNetwork.h"

#include <algorithm>

namespace app::testing {

// What a connection still has to deliver, in order.
enum class SocketEvent { Connected, Data, PeerClosed, Failed };

class FakeSocket final : public net::TcpClientSocket {
  public:
    explicit FakeSocket(FakeDaytimeServer& server) : server_(server) { server_.sockets_.push_back(this); }
    ~FakeSocket() override {
        auto& sockets = server_.sockets_;
        sockets.erase(std::remove(sockets.begin(), sockets.end(), this), sockets.end());
    }

    void SetEvents(net::SocketEvents events) override { events_ = std::move(events); }
    int State() const override { return state_; }

    void Connect(const std::string& host, std::uint16_t port) override {
        Close();
        state_ = net::sckConnecting;
        if (!server_.Accepts(host, port)) {
            pending_.push_back({SocketEvent::Failed, {}});
            return;
        }
        ++server_.connections_;
        const DaytimeStep step = server_.NextStep();
        pending_.push_back({SocketEvent::Connected, {}});
        switch (step.behaviour) {
        case DaytimeBehaviour::Reply:
            QueueData(step.reply);
            pending_.push_back({SocketEvent::PeerClosed, {}});
            break;
        case DaytimeBehaviour::ReplyOpen:
            QueueData(step.reply);
            break;
        case DaytimeBehaviour::Silent:
            break;
        case DaytimeBehaviour::CloseAtOnce:
            pending_.push_back({SocketEvent::PeerClosed, {}});
            break;
        case DaytimeBehaviour::Reset:
            QueueData(step.reply);
            pending_.push_back({SocketEvent::Failed, {}});
            break;
        case DaytimeBehaviour::ResetAtOnce:
            pending_.push_back({SocketEvent::Failed, {}});
            break;
        }
    }

    void Close() override {
        state_ = net::sckClosed;
        pending_.clear();
        waiting_.clear();
    }

    std::string GetData(std::size_t maxLength) override {
        const std::size_t count = std::min(maxLength, waiting_.size());
        std::string taken = waiting_.substr(0, count);
        waiting_.erase(0, count);
        return taken;
    }

    // One event per call, as each would come from its own network packet; the
    // connection's establishment comes with the first of them.
    void DeliverOne() {
        if (!pending_.empty() && pending_.front().event == SocketEvent::Connected) {
            state_ = net::sckConnected;
            pending_.pop_front();
        }
        if (pending_.empty())
            return;
        const auto [event, bytes] = pending_.front();
        pending_.pop_front();
        switch (event) {
        case SocketEvent::Connected:
            break;
        case SocketEvent::Data:
            waiting_ += bytes;
            if (events_.dataArrival)
                events_.dataArrival(waiting_.size());
            break;
        case SocketEvent::PeerClosed:
            state_ = net::sckClosing;
            if (events_.close)
                events_.close();
            break;
        case SocketEvent::Failed:
            state_ = net::sckError;
            pending_.clear();
            if (events_.error)
                events_.error();
            break;
        }
    }

  private:
    void QueueData(const std::string& bytes) {
        if (!bytes.empty())
            pending_.push_back({SocketEvent::Data, bytes});
    }
    struct Event {
        SocketEvent event;
        std::string bytes;
    };
    FakeDaytimeServer& server_;
    net::SocketEvents events_;
    int state_ = net::sckClosed;
    std::deque<Event> pending_;
    std::string waiting_;
};

void FakeDaytimeServer::Script(std::vector<DaytimeStep> steps, DaytimeStep fallback) {
    script_.assign(steps.begin(), steps.end());
    fallback_ = std::move(fallback);
    decide_ = {};
}

bool FakeDaytimeServer::Accepts(const std::string& host, std::uint16_t port) const {
    return listening_ && host == kHost && port == kPort;
}

DaytimeStep FakeDaytimeServer::NextStep() {
    if (decide_)
        return decide_();
    if (script_.empty())
        return fallback_;
    DaytimeStep step = script_.front();
    script_.pop_front();
    return step;
}

std::unique_ptr<net::TcpClientSocket> FakeDaytimeServer::CreateSocket() {
    return std::make_unique<FakeSocket>(*this);
}

void FakeDaytimeServer::DeliverEvents() {
    // A handler may close or reconnect a socket; each is asked once per round.
    const std::vector<FakeSocket*> sockets = sockets_;
    for (FakeSocket* socket : sockets)
        if (std::find(sockets_.begin(), sockets_.end(), socket) != sockets_.end())
            socket->DeliverOne();
}

void FakeHttp::Respond(int status, std::string body, bool truncated) {
    response_ = {true, status, std::move(body), truncated};
    answer_ = true;
}

HttpGetFunction FakeHttp::Client() {
    return [this](const std::string& url, const net::HttpTimeouts& timeouts) {
        urls_.push_back(url);
        timeouts_.push_back(timeouts);
        if (whileWaiting_)
            whileWaiting_();
        if (!answer_ || url != kListUrl)
            return net::HttpGetResult{};
        return response_;
    };
}

} // namespace app::testing
