#include "platform/net/win32/tests/ThreadHttpServer.h"

#include <ws2tcpip.h>

#include <utility>

namespace net::testing {

std::string HttpResponseBytes(int status, const std::string& body, const std::string& extraHeaders) {
    return "HTTP/1.1 " + std::to_string(status) + " Status\r\nContent-Length: " + std::to_string(body.size()) +
           "\r\nConnection: close\r\n" + extraHeaders + "\r\n" + body;
}

ThreadHttpServer::ThreadHttpServer(std::map<std::string, Reply> replies) : replies_(std::move(replies)) {
    WSADATA data{};
    WSAStartup(MAKEWORD(2, 2), &data);
    listener_ = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    bind(listener_, reinterpret_cast<sockaddr*>(&address), sizeof address);
    listen(listener_, 8);
    int size = sizeof address;
    getsockname(listener_, reinterpret_cast<sockaddr*>(&address), &size);
    port_ = ntohs(address.sin_port);
    thread_ = std::thread([this] { Serve(); });
}

ThreadHttpServer::~ThreadHttpServer() {
    closesocket(listener_); // ends the accept
    thread_.join();
    for (SOCKET peer : heldOpen_)
        closesocket(peer);
    WSACleanup();
}

std::string ThreadHttpServer::Url(const std::string& path) const {
    return "http://127.0.0.1:" + std::to_string(port_) + path;
}

std::vector<std::string> ThreadHttpServer::TakeRequestedPaths() {
    std::lock_guard<std::mutex> lock(mutex_);
    return std::exchange(requested_, {});
}

void ThreadHttpServer::Serve() {
    for (;;) {
        const SOCKET peer = accept(listener_, nullptr, nullptr);
        if (peer == INVALID_SOCKET)
            return;
        Answer(peer);
    }
}

void ThreadHttpServer::Answer(SOCKET peer) {
    std::string head;
    char buffer[4096];
    while (head.find("\r\n\r\n") == std::string::npos) {
        const int received = recv(peer, buffer, sizeof buffer, 0);
        if (received <= 0)
            break;
        head.append(buffer, static_cast<std::size_t>(received));
    }
    // "GET <path> HTTP/1.1"
    const std::size_t start = head.find(' ') + 1;
    const std::string path = start > 0 ? head.substr(start, head.find(' ', start) - start) : std::string();
    {
        std::lock_guard<std::mutex> lock(mutex_);
        requested_.push_back(path);
    }
    const auto found = replies_.find(path);
    const Reply reply = found != replies_.end() ? found->second : Reply{HttpResponseBytes(404, "no such page")};
    // A client that takes only part of a long body closes early; the rest is dropped.
    for (std::size_t sent = 0; sent < reply.bytes.size();) {
        const int n = send(peer, reply.bytes.data() + sent, static_cast<int>(reply.bytes.size() - sent), 0);
        if (n <= 0)
            break;
        sent += static_cast<std::size_t>(n);
    }
    if (!reply.close) {
        heldOpen_.push_back(peer);
        return;
    }
    shutdown(peer, SD_SEND);
    closesocket(peer);
}

} // namespace net::testing
