#include "app/qt/DisplayCheck.h"

#include <dlfcn.h>

#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace app::qt {
namespace {

bool EnvironmentHolds(const char* name) {
    const char* value = std::getenv(name);
    return value && *value;
}

bool WaylandDisplayReachable() {
    const char* display = std::getenv("WAYLAND_DISPLAY");
    if (!display || !*display)
        return false;
    std::filesystem::path socket(display);
    if (socket.is_relative()) {
        const char* runtime = std::getenv("XDG_RUNTIME_DIR");
        if (!runtime || !*runtime)
            return false;
        socket = std::filesystem::path(runtime) / socket;
    }
    std::error_code error;
    return std::filesystem::exists(socket, error);
}

// Connects to the X display as Qt's xcb platform will, through the same
// library, loaded only for this question.
bool XDisplayReachable() {
    if (!EnvironmentHolds("DISPLAY"))
        return false;
    void* xcb = dlopen("libxcb.so.1", RTLD_NOW | RTLD_LOCAL);
    if (!xcb)
        return true; // cannot ask; Qt will tell
    using Connect = void* (*)(const char*, int*);
    using HasError = int (*)(void*);
    using Disconnect = void (*)(void*);
    const auto connect = reinterpret_cast<Connect>(dlsym(xcb, "xcb_connect"));
    const auto hasError = reinterpret_cast<HasError>(dlsym(xcb, "xcb_connection_has_error"));
    const auto disconnect = reinterpret_cast<Disconnect>(dlsym(xcb, "xcb_disconnect"));
    bool reachable = true;
    if (connect && hasError && disconnect) {
        void* connection = connect(nullptr, nullptr);
        reachable = connection && hasError(connection) == 0;
        if (connection)
            disconnect(connection);
    }
    dlclose(xcb);
    return reachable;
}

} // namespace

bool DisplayAvailable() {
    return EnvironmentHolds("QT_QPA_PLATFORM") || WaylandDisplayReachable() || XDisplayReachable();
}

std::string ProgramFilePath(const char* argv0) {
    std::error_code error;
    const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
    if (!error)
        return self.string();
    return std::filesystem::absolute(argv0, error).string();
}

} // namespace app::qt
