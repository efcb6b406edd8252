#pragma once
// Everything the program's behaviour needs from outside besides the window:
// the clock, the network, the URL opener, standard output, the command line
// and the waits. The host fills it with the real services; tests supply their
// own clock, servers and waits.
#include "platform/clock/SystemClock.h"
#include "platform/net/HttpClient.h"
#include "platform/net/TcpClientSocket.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

namespace app {

struct WaitTiming {
    int maxSteps = 101;      // steps of one daytime query's wait
    int stepMs = 55;         // sleep of each step, before events are processed
    int closeDelayMs = 2000; // pause before "close" ends the program
    // Steps between the two queries of a server that answers in the NIST form:
    // NIST refuses a client that asks again within 4 s (73 x 55 ms = 4015 ms).
    int nistPauseSteps = 73;
};

// Publisher's host under the reserved ".example" domain: no stranger's server is
// trusted by default. Users point SERVLIEBIAO at their own list.
inline constexpr const char* kPublisherHost = "www.dunmora.example";
inline constexpr const char* kDefaultDaytimeHost = "time.nist.gov";
inline constexpr const char* kDefaultServerListUrl = "http://www.dunmora.example/txttimeserv.htm";

using HttpGetFunction = std::function<net::HttpGetResult(const std::string& url, const net::HttpTimeouts&)>;

struct AppEnvironment {
    sysclock::SystemClock* clock = nullptr;
    std::function<std::unique_ptr<net::TcpClientSocket>()> createSocket;
    // Runs the host's event loop while it waits, and returns early (not
    // completed) when the window closes meanwhile.
    HttpGetFunction httpGet;
    std::uint16_t daytimePort = 13;
    net::HttpTimeouts httpTimeouts;
    WaitTiming timing;
    std::function<void(const std::string& url)> openUrl;
    // With "close", each result line goes here as UTF-8 ending in a line feed;
    // empty: the process's standard output.
    std::function<void(const std::string& line)> standardOutput;
    std::string commandLine; // the arguments, without the program, joined by spaces
    std::string programPath; // the program file, for messages that name it
    std::string programName; // file name without extension
    std::string defaultDaytimeHost = kDefaultDaytimeHost;
    std::string defaultServerListUrl = kDefaultServerListUrl;
};

} // namespace app
