#include "app/ProgramServices.h"

#include "platform/net/HttpClient.h"
#include "platform/net/TcpClientSocket.h"
#include "platform/shell/Shell.h"

#include <filesystem>

namespace app {

AppEnvironment WithProgramServices(AppEnvironment environment, const std::function<std::string()>& programPath) {
    if (!environment.createSocket)
        environment.createSocket = net::CreateTcpClientSocket;
    if (!environment.httpGet)
        environment.httpGet = [](const std::string& url, const net::HttpTimeouts& timeouts) {
            return net::HttpGet(url, timeouts);
        };
    if (!environment.openUrl)
        environment.openUrl = [](const std::string& url) {
            shell::ShellExecuteA(nullptr, nullptr, url.c_str(), nullptr, nullptr, shell::SW_SHOWNOACTIVATE);
        };
    if (environment.programPath.empty())
        environment.programPath = programPath();
    if (environment.programName.empty())
        environment.programName = ProgramNameOf(environment.programPath);
    return environment;
}

std::string ProgramNameOf(const std::string& programPath) {
    // UTF-8 in and out: on Windows the narrow path functions would take the
    // ANSI code page.
    const std::u8string path(programPath.begin(), programPath.end());
    const std::u8string stem = std::filesystem::path(path).stem().u8string();
    return std::string(stem.begin(), stem.end());
}

} // namespace app
