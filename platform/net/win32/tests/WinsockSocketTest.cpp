// The Winsock socket's events against a daytime server of the test's own on
// 127.0.0.1, run on a thread as a remote server would: data then a close, a
// close without data, silence, a refused connection and a host name that
// cannot be one, and a reset.
#include "platform/net/TcpClientSocket.h"
#include "platform/net/win32/testing/ThreadServers.h"

#include <winsock2.h>
#include <ws2tcpip.h>

#include <windows.h>

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <string>
#include <thread>

namespace net {
namespace {

using testing::ThreadDaytimeServer;
using Behaviour = testing::DaytimeBehaviour;

struct EventLog {
    std::string data;
    int errors = 0;
    int closes = 0;
};

// Runs the thread's messages until something ended the connection or the time is up.
void PumpUntilEnded(const EventLog& log, int milliseconds) {
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(milliseconds);
    while (log.errors + log.closes == 0 && std::chrono::steady_clock::now() < end) {
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
}

EventLog Query(const std::string& host, std::uint16_t port, int milliseconds = 3000) {
    EventLog log;
    auto socket = CreateTcpClientSocket();
    TcpClientSocket* raw = socket.get();
    socket->SetEvents({[&log, raw](std::size_t waiting) { log.data += raw->GetData(waiting); },
                       [&log] { ++log.errors; }, [&log] { ++log.closes; }});
    socket->Connect(host, port);
    PumpUntilEnded(log, milliseconds);
    return log;
}

TEST(WinsockSocket, EachServerBehaviourGivesItsEvents) {
    const std::string reply = "\n60651 26-12-08 07:51:32 00 0 0 512.3 UTC(NIST) * \n";
    struct Row {
        const char* name;
        Behaviour behaviour;
        const char* data;
        int errors;
        int closes;
    };
    const Row rows[] = {
        {"reply and close", Behaviour::ReplyAndClose, reply.c_str(), 0, 1},
        {"close at once", Behaviour::CloseAtOnce, "", 0, 1},
        {"silent", Behaviour::Silent, "", 0, 0},
    };
    for (const Row& row : rows) {
        ThreadDaytimeServer server(row.behaviour, reply);
        const EventLog log = Query("127.0.0.1", server.Port(), row.behaviour == Behaviour::Silent ? 500 : 3000);
        EXPECT_EQ(log.data, row.data) << row.name;
        EXPECT_EQ(log.errors, row.errors) << row.name;
        EXPECT_EQ(log.closes, row.closes) << row.name;
    }
}

// Windows tells a reset in FD_CLOSE's error code (WSAECONNRESET); the socket
// also asks the socket itself when the code is 0.
TEST(WinsockSocket, AResetIsAnError) {
    ThreadDaytimeServer server(Behaviour::ResetAtOnce, "");
    const EventLog log = Query("127.0.0.1", server.Port());
    EXPECT_EQ(log.errors, 1);
    EXPECT_EQ(log.closes, 0);
}

TEST(WinsockSocket, RefusedConnectionsAndImpossibleHostsAreErrors) {
    std::uint16_t closedPort = 0;
    {
        ThreadDaytimeServer probe(Behaviour::CloseAtOnce, "");
        closedPort = probe.Port();
    }
    for (const auto& [host, port] : {std::pair<std::string, std::uint16_t>{"127.0.0.1", closedPort},
                                     std::pair<std::string, std::uint16_t>{"<html>", 13},
                                     std::pair<std::string, std::uint16_t>{"bad host", 13}}) {
        const EventLog log = Query(host, port);
        EXPECT_EQ(log.errors, 1) << host;
        EXPECT_EQ(log.closes, 0) << host;
    }
}

TEST(WinsockSocket, ClosingSilencesEverythingStillPending) {
    ThreadDaytimeServer server(Behaviour::ReplyAndClose, "reply");
    EventLog log;
    auto socket = CreateTcpClientSocket();
    socket->SetEvents({[&log](std::size_t) { log.data += "x"; }, [&log] { ++log.errors; }, [&log] { ++log.closes; }});
    socket->Connect("127.0.0.1", server.Port());
    socket->Close();
    EXPECT_EQ(socket->State(), sckClosed);
    PumpUntilEnded(log, 300);
    EXPECT_EQ(log.data, "");
    EXPECT_EQ(log.errors + log.closes, 0);
}

} // namespace
} // namespace net
