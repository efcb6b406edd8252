// Preloaded into the real program when it is tried out. A TCP connection to
// port 13 of 127.0.0.1 goes to the port named by DUNMORA_DAYTIME_PORT instead,
// where a test's own daytime server listens. Connections to anything but the
// loopback interface are refused, so a trial run never reaches another host,
// not even a name server.
#include <arpa/inet.h>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <dlfcn.h>
#include <netinet/in.h>
#include <sys/socket.h>

namespace {

bool IsLoopback(const sockaddr* address, socklen_t length) {
    if (address->sa_family == AF_INET && length >= sizeof(sockaddr_in)) {
        sockaddr_in v4;
        std::memcpy(&v4, address, sizeof v4);
        return (ntohl(v4.sin_addr.s_addr) >> 24) == 127;
    }
    if (address->sa_family == AF_INET6 && length >= sizeof(sockaddr_in6)) {
        sockaddr_in6 v6;
        std::memcpy(&v6, address, sizeof v6);
        return IN6_IS_ADDR_LOOPBACK(&v6.sin6_addr);
    }
    return address->sa_family != AF_INET && address->sa_family != AF_INET6; // local sockets
}

} // namespace

extern "C" int connect(int socket, const sockaddr* address, socklen_t length) {
    using Connect = int (*)(int, const sockaddr*, socklen_t);
    static Connect real = reinterpret_cast<Connect>(dlsym(RTLD_NEXT, "connect"));
    if (!IsLoopback(address, length)) {
        errno = ECONNREFUSED;
        return -1;
    }
    const char* port = std::getenv("DUNMORA_DAYTIME_PORT");
    if (port && address->sa_family == AF_INET) {
        sockaddr_in target;
        std::memcpy(&target, address, sizeof target);
        if (target.sin_port == htons(13) && target.sin_addr.s_addr == htonl(INADDR_LOOPBACK)) {
            target.sin_port = htons(static_cast<unsigned short>(std::atoi(port)));
            return real(socket, reinterpret_cast<const sockaddr*>(&target), sizeof target);
        }
    }
    return real(socket, address, length);
}
