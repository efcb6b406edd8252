#include "platform/net/win32/testing/ThreadServers.h"

#include <ws2tcpip.h>

namespace net::testing {

ThreadServer::ThreadServer(std::uint16_t port, Handler handler) : handler_(std::move(handler)) {
    WSADATA data{};
    WSAStartup(MAKEWORD(2, 2), &data);
    listener_ = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    // Nobody else may take the same port while the test holds it.
    BOOL exclusive = TRUE;
    setsockopt(listener_, SOL_SOCKET, SO_EXCLUSIVEADDRUSE, reinterpret_cast<const char*>(&exclusive),
               sizeof exclusive);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = htons(port);
    int size = sizeof address;
    if (bind(listener_, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 || listen(listener_, 16) != 0 ||
        getsockname(listener_, reinterpret_cast<sockaddr*>(&address), &size) != 0)
        return;
    port_ = ntohs(address.sin_port);
    thread_ = std::thread([this] { Serve(); });
}

ThreadServer::~ThreadServer() {
    closesocket(listener_); // ends the accept
    if (thread_.joinable())
        thread_.join();
    WSACleanup();
}

void ThreadServer::Serve() {
    for (;;) {
        const SOCKET peer = accept(listener_, nullptr, nullptr);
        if (peer == INVALID_SOCKET)
            return;
        ++connections_;
        handler_(peer);
    }
}

ThreadDaytimeServer::ThreadDaytimeServer(DaytimeBehaviour behaviour, std::function<std::string()> reply,
                                         std::uint16_t port)
    : behaviour_(behaviour), reply_(std::move(reply)), server_(port, [this](SOCKET peer) { Answer(peer); }) {}

ThreadDaytimeServer::ThreadDaytimeServer(DaytimeBehaviour behaviour, const std::string& reply, std::uint16_t port)
    : ThreadDaytimeServer(behaviour, [reply] { return reply; }, port) {}

ThreadDaytimeServer::~ThreadDaytimeServer() {
    std::lock_guard lock(heldMutex_);
    for (SOCKET peer : held_)
        closesocket(peer);
}

void ThreadDaytimeServer::Answer(SOCKET peer) {
    switch (behaviour_) {
    case DaytimeBehaviour::ReplyAndClose: {
        const std::string reply = reply_();
        send(peer, reply.data(), static_cast<int>(reply.size()), 0);
        break;
    }
    case DaytimeBehaviour::CloseAtOnce:
        break;
    case DaytimeBehaviour::ResetAtOnce: {
        // An abortive close: lingering for no time sends a reset.
        const linger abortive{1, 0};
        setsockopt(peer, SOL_SOCKET, SO_LINGER, reinterpret_cast<const char*>(&abortive), sizeof abortive);
        closesocket(peer);
        return;
    }
    case DaytimeBehaviour::Silent: {
        std::lock_guard lock(heldMutex_);
        held_.push_back(peer);
        return;
    }
    }
    shutdown(peer, SD_SEND);
    closesocket(peer);
}

std::string HttpResponseBytes(int status, const std::string& body, const std::string& extraHeaders) {
    return "HTTP/1.1 " + std::to_string(status) + " Status\r\nContent-Length: " + std::to_string(body.size()) +
           "\r\nConnection: close\r\n" + extraHeaders + "\r\n" + body;
}

ThreadHttpServer::ThreadHttpServer(std::string response)
    : otherPaths_{std::move(response)}, server_(0, [this](SOCKET peer) { Answer(peer); }) {}

ThreadHttpServer::ThreadHttpServer(std::map<std::string, HttpReply> replies)
    : replies_(std::move(replies)), otherPaths_{HttpResponseBytes(404, "no such page")},
      server_(0, [this](SOCKET peer) { Answer(peer); }) {}

ThreadHttpServer::~ThreadHttpServer() {
    std::lock_guard lock(mutex_);
    for (SOCKET peer : held_)
        closesocket(peer);
}

std::string ThreadHttpServer::Url(const std::string& path) const {
    return "http://127.0.0.1:" + std::to_string(Port()) + path;
}

std::vector<std::string> ThreadHttpServer::RequestLines() const {
    std::lock_guard lock(mutex_);
    return requestLines_;
}

void ThreadHttpServer::Answer(SOCKET peer) {
    std::string head;
    char buffer[1024];
    while (head.find("\r\n\r\n") == std::string::npos) {
        const int got = recv(peer, buffer, sizeof buffer, 0);
        if (got <= 0)
            break;
        head.append(buffer, static_cast<size_t>(got));
    }
    const std::string requestLine = head.substr(0, head.find("\r\n"));
    {
        std::lock_guard lock(mutex_);
        requestLines_.push_back(requestLine);
    }
    // "GET <path> HTTP/1.1"
    const std::size_t start = requestLine.find(' ') + 1;
    const auto found = start > 0 ? replies_.find(requestLine.substr(start, requestLine.find(' ', start) - start))
                                 : replies_.end();
    const HttpReply& reply = found != replies_.end() ? found->second : otherPaths_;
    // A client that takes only part of a long body closes early; the rest is dropped.
    for (std::size_t sent = 0; sent < reply.bytes.size();) {
        const int n = send(peer, reply.bytes.data() + sent, static_cast<int>(reply.bytes.size() - sent), 0);
        if (n <= 0)
            break;
        sent += static_cast<std::size_t>(n);
    }
    if (!reply.close) {
        std::lock_guard lock(mutex_);
        held_.push_back(peer);
        return;
    }
    shutdown(peer, SD_SEND);
    closesocket(peer);
}

} // namespace net::testing
