// Preloaded into the real program when it is tried out: a TCP connection to
// port 13 of 127.0.0.1 goes to the port named by DUNMORA_DAYTIME_PORT instead,
// where a test's own daytime server listens. Every other connection is untouched.
#include <arpa/inet.h>
#include <cstdlib>
#include <cstring>
#include <dlfcn.h>
#include <netinet/in.h>
#include <sys/socket.h>

extern "C" int connect(int socket, const sockaddr* address, socklen_t length) {
    using Connect = int (*)(int, const sockaddr*, socklen_t);
    static Connect real = reinterpret_cast<Connect>(dlsym(RTLD_NEXT, "connect"));
    const char* port = std::getenv("DUNMORA_DAYTIME_PORT");
    if (port && address && address->sa_family == AF_INET && length >= sizeof(sockaddr_in)) {
        sockaddr_in target;
        std::memcpy(&target, address, sizeof target);
        if (target.sin_port == htons(13) && target.sin_addr.s_addr == htonl(INADDR_LOOPBACK)) {
            target.sin_port = htons(static_cast<unsigned short>(std::atoi(port)));
            return real(socket, reinterpret_cast<const sockaddr*>(&target), sizeof target);
        }
    }
    return real(socket, address, length);
}
