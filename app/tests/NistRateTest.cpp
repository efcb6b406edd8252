// NIST's daytime servers refuse a client that asks again within 4 seconds; the
// double query waits that long between its two queries to such a server only.
#include "app/IndicatorShape.h"
#include "app/tests/WindowFixture.h"

#include <QTcpServer>
#include <QTcpSocket>

#include <numeric>

namespace app::testing {
namespace {

constexpr qint64 kNistGapMs = 4000;

// A daytime server that keeps NIST's rule in the test's virtual time: a
// connection within 4 s of the previous one is closed without an answer.
class RateLimitedDaytimeServer {
  public:
    RateLimitedDaytimeServer(QByteArray reply, std::function<qint64()> now)
        : reply_(std::move(reply)), now_(std::move(now)) {
        server_.listen(QHostAddress::LocalHost, 0);
        QObject::connect(&server_, &QTcpServer::newConnection, &server_, [this] {
            while (QTcpSocket* peer = server_.nextPendingConnection()) {
                const qint64 at = now_();
                if (connections.empty() || at - connections.back() >= kNistGapMs)
                    peer->write(reply_);
                peer->disconnectFromHost();
                connections.push_back(at);
            }
        });
    }
    std::uint16_t Port() const { return server_.serverPort(); }
    std::vector<qint64> connections; // virtual milliseconds of each connection

  private:
    QTcpServer server_;
    QByteArray reply_;
    std::function<qint64()> now_;
};

using NistRate = WindowFixture;

TEST_F(NistRate, OnlyANistReplyDelaysTheSecondQueryByFourSeconds) {
    const QByteArray nist = QByteArray::fromStdString(net::testing::NistReply(2024, 12, 7, 19, 58, 1));
    QByteArray plain = nist;
    plain.replace("UTC(NIST) * ", "");
    struct Case {
        const char* name;
        QByteArray reply;
        bool secondAnswered;
    };
    for (const Case& c : {Case{"NIST form", nist, true}, Case{"other form", plain, false}}) {
        SCOPED_TRACE(c.name);
        sleeps_.clear();
        RateLimitedDaytimeServer server(c.reply, [this] {
            return static_cast<qint64>(std::accumulate(sleeps_.begin(), sleeps_.end(), 0));
        });
        frmTime& window = Window([&](AppEnvironment& e) {
            e.daytimePort = server.Port();
            e.timing.stepMs = 55; // virtual: the fixture sleeps 1 ms a step
        });
        int colourChanges = 0;
        QColor lastColour;
        onSleep_ = [&] {
            colourChanges += window.shpDateTime->FillColor() != lastColour;
            lastColour = window.shpDateTime->FillColor();
        };
        const QString reply = window.GetServerTime("127.0.0.1");
        ASSERT_EQ(server.connections.size(), 2u);
        const qint64 gap = server.connections[1] - server.connections[0];
        EXPECT_EQ(reply.toUtf8(), c.secondAnswered ? c.reply : QByteArray());
        if (c.secondAnswered) {
            EXPECT_GE(gap, kNistGapMs);
            EXPECT_LT(gap, kNistGapMs + 20 * 55);
            EXPECT_GE(colourChanges, 70); // the indicator blinks through the pause
        } else {
            EXPECT_LT(gap, 20 * 55);
        }
        onSleep_ = {};
    }
}

} // namespace
} // namespace app::testing
