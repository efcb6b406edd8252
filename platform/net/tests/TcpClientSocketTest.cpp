#include "platform/net/TcpClientSocket.h"
#include "platform/net/testing/LoopbackServers.h"
#include "platform/net/tests/EventWait.h"

#include <gtest/gtest.h>

#include <utility>

namespace net {
namespace {

using testing::DaytimeBehaviour;
using testing::LoopbackDaytimeServer;

// Records the events of one socket.
struct EventLog {
    std::string data;
    int arrivals = 0;
    int errors = 0;
    int closes = 0;
};

std::unique_ptr<TcpClientSocket> SocketWithLog(EventLog& log) {
    auto socket = CreateTcpClientSocket();
    TcpClientSocket* raw = socket.get();
    socket->SetEvents({[&log, raw](std::size_t waiting) {
                           ++log.arrivals;
                           log.data += raw->GetData(waiting);
                       },
                       [&log] { ++log.errors; }, [&log] { ++log.closes; }});
    return socket;
}

// The states keep the classic socket control's numbers.
TEST(TcpClientSocket, StatesCarryTheClassicNumbers) {
    const std::pair<int, int> states[] = {{sckClosed, 0},    {sckResolvingHost, 4}, {sckConnecting, 6},
                                          {sckConnected, 7}, {sckClosing, 8},       {sckError, 9}};
    for (const auto& [state, number] : states)
        EXPECT_EQ(state, number);
}

// A name is looked up first, an address is connected to at once.
TEST(TcpClientSocket, ConnectingPassesThroughItsStates) {
    LoopbackDaytimeServer server;
    server.Script({}, {DaytimeBehaviour::Silent, {}});
    EventLog log;
    auto socket = SocketWithLog(log);
    socket->Connect("localhost", server.Port());
    EXPECT_EQ(socket->State(), sckResolvingHost);
    socket->Connect("127.0.0.1", server.Port());
    EXPECT_EQ(socket->State(), sckConnecting);
    ASSERT_TRUE(ProcessEventsUntil([&] { return socket->State() == sckConnected; }));
    socket->Close();
    EXPECT_EQ(socket->State(), sckClosed);
}

TEST(TcpClientSocket, ReplyArrivesAsDataThenThePeerCloses) {
    LoopbackDaytimeServer server;
    server.AlwaysReply("\n60651 24-12-07 19:58:01 00 0 0 512.3 UTC(NIST) * \n");
    EventLog log;
    auto socket = SocketWithLog(log);
    socket->Connect("127.0.0.1", server.Port());
    EXPECT_NE(socket->State(), sckClosed);
    ASSERT_TRUE(ProcessEventsUntil([&] { return log.closes == 1; }));
    EXPECT_EQ(log.data, "\n60651 24-12-07 19:58:01 00 0 0 512.3 UTC(NIST) * \n");
    EXPECT_EQ(log.errors, 0);
    EXPECT_EQ(socket->State(), sckClosed);
}

TEST(TcpClientSocket, PeerClosingIsACloseAndPeerResettingAnError) {
    for (DaytimeBehaviour behaviour : {DaytimeBehaviour::CloseAtOnce, DaytimeBehaviour::Reset}) {
        const bool reset = behaviour == DaytimeBehaviour::Reset;
        LoopbackDaytimeServer server;
        server.Script({}, {behaviour, {}});
        EventLog log;
        auto socket = SocketWithLog(log);
        socket->Connect("127.0.0.1", server.Port());
        ASSERT_TRUE(ProcessEventsUntil([&] { return log.closes + log.errors > 0; })) << reset;
        ProcessEventsUntil([] { return false; }, 50);
        EXPECT_EQ(log.closes, reset ? 0 : 1);
        EXPECT_EQ(log.errors, reset ? 1 : 0);
        EXPECT_EQ(log.arrivals, 0);
    }
}

// A server that resets every connection as it accepts it: the reset may reach
// the client before or after it has taken the connection as established, and
// every time it is one error event and no close.
TEST(TcpClientSocket, ConnectionResetAtOnceIsAlwaysAnError) {
    LoopbackDaytimeServer server;
    server.Script({}, {DaytimeBehaviour::ResetAtOnce, {}});
    EventLog log;
    auto socket = SocketWithLog(log);
    int ended = 0;
    for (int attempt = 0; attempt < 200; ++attempt) {
        const int errorsBefore = log.errors;
        socket->Connect("127.0.0.1", server.Port());
        ended += ProcessEventsUntil([&] { return log.errors > errorsBefore || log.closes > 0; }, 1000);
        ASSERT_EQ(log.closes, 0) << "attempt " << attempt;
    }
    EXPECT_EQ(ended, 200);
    EXPECT_EQ(log.errors, 200);
    EXPECT_EQ(log.arrivals, 0);
}

TEST(TcpClientSocket, RefusedConnectionRaisesTheErrorEvent) {
    EventLog log;
    auto socket = SocketWithLog(log);
    socket->Connect("127.0.0.1", testing::ClosedLoopbackPort());
    ASSERT_TRUE(ProcessEventsUntil([&] { return log.errors == 1; }));
    EXPECT_EQ(log.arrivals, 0);
}

TEST(TcpClientSocket, ImplausibleHostFailsFromTheEventLoopWithoutALookup) {
    EventLog log;
    auto socket = SocketWithLog(log);
    socket->Connect("<h1>404 Not Found</h1>", 13);
    EXPECT_EQ(log.errors, 0); // not raised inside Connect
    EXPECT_EQ(socket->State(), sckError);
    ASSERT_TRUE(ProcessEventsUntil([&] { return log.errors == 1; }));
    socket->Close();
    EXPECT_EQ(socket->State(), sckClosed);
}

TEST(TcpClientSocket, CloseSilencesEverythingStillPending) {
    LoopbackDaytimeServer server;
    server.Script({}, {DaytimeBehaviour::Silent, {}});
    EventLog log;
    auto socket = SocketWithLog(log);
    socket->Connect("", 13); // its error would be raised from the event loop
    socket->Close();
    socket->Connect("127.0.0.1", server.Port());
    ASSERT_TRUE(ProcessEventsUntil([&] { return socket->State() == sckConnected; }));
    socket->Close();
    ProcessEventsUntil([] { return false; }, 100);
    EXPECT_EQ(log.errors + log.closes + log.arrivals, 0);
    EXPECT_EQ(server.Connections(), 1);
}

TEST(TcpClientSocket, DestroyingAConnectedSocketRaisesNoEvent) {
    LoopbackDaytimeServer server;
    server.Script({}, {DaytimeBehaviour::Silent, {}});
    EventLog log;
    {
        auto socket = SocketWithLog(log);
        socket->Connect("127.0.0.1", server.Port());
        ASSERT_TRUE(ProcessEventsUntil([&] { return socket->State() == sckConnected; }));
    }
    EXPECT_EQ(log.closes, 0);
}

TEST(HostNames, OnlyTextThatCanNameAHostIsLookedUp) {
    for (const char* good : {"time.nist.gov", "127.0.0.1", "ntp-1.example", "my_host", "::1", "[fe80::1]"})
        EXPECT_TRUE(IsPlausibleHostName(good)) << good;
    for (const char* bad : {"", " time.nist.gov", "bad host", "<html>", "http://x/", "a\r", "[x]"})
        EXPECT_FALSE(IsPlausibleHostName(bad)) << bad;
    EXPECT_TRUE(IsPlausibleHostName(std::string(255, 'a')));
    EXPECT_FALSE(IsPlausibleHostName(std::string(256, 'a')));
}

} // namespace
} // namespace net
