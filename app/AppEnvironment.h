#pragma once
// Everything the main window needs from outside, gathered so tests can supply
// their own clock, servers and waits. The defaults are the program's own.
#include "platform/clock/SystemClock.h"
#include "platform/net/HttpClient.h"
#include "platform/net/TcpClientSocket.h"

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <functional>
#include <memory>

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
inline const QString kPublisherHost = QStringLiteral("www.dunmora.example");
inline const QString kDefaultDaytimeHost = QStringLiteral("time.nist.gov");
inline const QString kDefaultServerListUrl = QStringLiteral("http://www.dunmora.example/txttimeserv.htm");

struct AppEnvironment {
    sysclock::SystemClock* clock = nullptr;
    std::function<std::unique_ptr<net::TcpClientSocket>()> createSocket = net::CreateTcpClientSocket;
    std::uint16_t daytimePort = 13;
    net::HttpTimeouts httpTimeouts;
    WaitTiming timing;
    std::function<void(int milliseconds)> sleep;     // empty: the thread sleeps
    std::function<void(const QString& url)> openUrl; // empty: the desktop's URL opener
    // With "close", each result line goes here as UTF-8 ending in a line feed;
    // empty: the process's standard output.
    std::function<void(const QByteArray& line)> standardOutput;
    QString commandLine; // the arguments, without the program
    QString programName; // file name without extension
    QString defaultDaytimeHost = kDefaultDaytimeHost;
    QString defaultServerListUrl = kDefaultServerListUrl;
};

} // namespace app
