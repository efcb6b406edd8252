#include "platform/net/HttpClient.h"
#include "platform/net/HttpResponse.h"
#include "platform/net/testing/LoopbackServers.h"

#include <QElapsedTimer>
#include <gtest/gtest.h>

#include <random>
#include <vector>

namespace net {
namespace {

using testing::HttpResponseBytes;
using testing::LoopbackHttpServer;

struct ResponseRow {
    const char* name;
    std::string bytes;
    bool complete; // a whole response, once the server has closed
    int status;
    std::string body;
};

std::vector<ResponseRow> ResponseTable() {
    const std::string big(8192, 'h');
    return {
        {"length", "HTTP/1.1 200 OK\r\nContent-Length: 5\r\n\r\nabcdeEXTRA", true, 200, "abcde"},
        {"chunks",
         "HTTP/1.1 200 OK\r\ntransfer-encoding: Chunked\r\n\r\n3;x=y\r\nabc\r\n2\r\nde\r\n0\r\n\r\n", true,
         200, "abcde"},
        {"one 8 KiB chunk",
         "HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n2000\r\n" + big + "\r\n0\r\n\r\n", true, 200,
         big},
        {"LF-only head and chunks", "HTTP/1.1 200 OK\nTransfer-Encoding: chunked\n\n3\nabc\n0\n\n", true, 200,
         "abc"},
        {"bare LF blank line before a CR LF one in the body", "HTTP/1.0 200 OK\n\nhost-one\r\n\r\nhost-two",
         true, 200, "host-one\r\n\r\nhost-two"},
        {"CR LF head ended by a bare LF", "HTTP/1.1 200 OK\r\nContent-Length: 3\n\nabc", true, 200, "abc"},
        {"error page until close", "HTTP/1.0 404 Not Found\r\n\r\ngone", true, 404, "gone"},
        {"empty body", "HTTP/1.1 204 No Content\r\nContent-Length: 0\r\n\r\n", true, 204, ""},
        {"cut short", "HTTP/1.1 200 OK\r\nContent-Length: 9\r\n\r\nabc", false, 200, "abc"},
        {"chunks cut short", "HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n5\r\nab", false, 200,
         "ab"},
        {"bad chunk size", "HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\nzz\r\nab\r\n0\r\n\r\n",
         false, 200, ""},
        {"no HTTP", "SSH-2.0-OpenSSH\r\n\r\n", false, 0, ""},
        {"head never ends", "HTTP/1.1 200", false, 0, ""},
    };
}

// The sizes of pieces that cut text byte by byte (seed 0) or at random places.
std::vector<qsizetype> Pieces(std::size_t size, unsigned seed) {
    std::vector<qsizetype> pieces;
    std::mt19937 random(seed);
    for (std::size_t at = 0; at < size;) {
        const qsizetype piece = seed == 0 ? 1 : 1 + static_cast<qsizetype>(random() % 40);
        pieces.push_back(piece);
        at += static_cast<std::size_t>(piece);
    }
    return pieces;
}

TEST(HttpResponses, EveryResponseReadsTheSameHoweverItIsCut) {
    for (const ResponseRow& row : ResponseTable()) {
        for (unsigned seed : {0u, 1u, 2u, 3u}) {
            HttpResponseReader reader;
            std::size_t at = 0;
            for (qsizetype piece : Pieces(row.bytes.size(), seed)) {
                reader.Feed(std::string_view(row.bytes).substr(at, static_cast<std::size_t>(piece)));
                at += static_cast<std::size_t>(piece);
            }
            reader.Close();
            EXPECT_EQ(reader.Response().complete, row.complete) << row.name << ", seed " << seed;
            EXPECT_EQ(reader.Response().status, row.status) << row.name;
            EXPECT_EQ(reader.Response().body, row.body) << row.name << ", seed " << seed;
        }
    }
}

TEST(HttpResponses, EveryResponseArrivesOverLoopbackByteByByteAndInRandomPieces) {
    LoopbackHttpServer server;
    for (const ResponseRow& row : ResponseTable()) {
        const QByteArray bytes = QByteArray::fromStdString(row.bytes);
        for (unsigned seed : {0u, 7u}) {
            if (seed == 0 && bytes.size() > 1000)
                continue; // thousands of one-byte writes would only slow the test down
            server.Respond(bytes, {Pieces(row.bytes.size(), seed), 0});
            const HttpGetResult result = HttpGet(server.Url());
            EXPECT_EQ(result.completed, row.complete) << row.name << ", seed " << seed;
            EXPECT_EQ(result.body, row.complete ? row.body : "") << row.name << ", seed " << seed;
        }
    }
}

// The values the program ships with: the time-outs of the server-list
// download, how many redirects it follows and how large a list it takes.
TEST(HttpGet, ShipsWithTheStatedTimeOutsAndLimits) {
    const HttpTimeouts shipped;
    EXPECT_EQ(shipped.resolveMs, 3000);
    EXPECT_EQ(shipped.connectMs, 3000);
    EXPECT_EQ(shipped.sendMs, 3000);
    EXPECT_EQ(shipped.receiveMs, 60000);
    EXPECT_EQ(kMaxHttpRedirects, 5);
    EXPECT_EQ(kMaxHttpBodyBytes, 1024u * 1024);
}

// A body up to the limit is taken whole; one byte more is cut at the limit.
TEST(HttpGet, ABodyUpToTheLimitIsTakenWholeAndOneByteMoreIsCut) {
    LoopbackHttpServer server;
    for (const std::size_t size : {kMaxHttpBodyBytes, kMaxHttpBodyBytes + 1}) {
        server.Respond(HttpResponseBytes(200, QByteArray(static_cast<qsizetype>(size), 'h')));
        const HttpGetResult result = HttpGet(server.Url());
        EXPECT_TRUE(result.completed) << size;
        EXPECT_EQ(result.truncated, size > kMaxHttpBodyBytes) << size;
        EXPECT_EQ(result.body.size(), kMaxHttpBodyBytes) << size;
    }
}

TEST(HttpGet, FetchesTheBodyAndSendsAPlainGet) {
    LoopbackHttpServer server;
    server.Respond(HttpResponseBytes(200, "127.0.0.1\r\nlocalhost"));
    HttpGetResult result = HttpGet(server.Url("/txttimeserv.htm?x=1"));
    EXPECT_TRUE(result.completed);
    EXPECT_EQ(result.status, 200);
    EXPECT_EQ(result.body, "127.0.0.1\r\nlocalhost");
    ASSERT_EQ(server.RequestLines().size(), 1);
    EXPECT_EQ(server.RequestLines()[0], "GET /txttimeserv.htm?x=1 HTTP/1.1");
    // The server's port goes into the Host header; an address without a path asks for "/".
    EXPECT_EQ(server.HostHeaders()[0], "127.0.0.1:" + QByteArray::number(server.Port()));
    HttpGet(server.Url(""));
    EXPECT_EQ(server.RequestLines()[1], "GET / HTTP/1.1");
}

TEST(HttpGet, ErrorPagesEmptyAndChunkedBodiesAreTakenAsTheyCome) {
    LoopbackHttpServer server;
    server.Respond(HttpResponseBytes(404, "<html>Not Found</html>"));
    HttpGetResult page = HttpGet(server.Url());
    EXPECT_TRUE(page.completed);
    EXPECT_EQ(page.status, 404);
    EXPECT_EQ(page.body, "<html>Not Found</html>");

    server.Respond(HttpResponseBytes(200, ""));
    HttpGetResult empty = HttpGet(server.Url());
    EXPECT_TRUE(empty.completed);
    EXPECT_EQ(empty.body, "");

    server.Respond(HttpResponseBytes(200, "a\r\nb\r\nc", true));
    EXPECT_EQ(HttpGet(server.Url()).body, "a\r\nb\r\nc");
}

// A body of several megabytes is cut at 1 MiB, with or without its length
// announced, and the rest (here: its last megabyte, sent a minute later) is
// not waited for.
TEST(HttpGet, OversizedBodyIsCutAtOneMebibyteWithoutWaitingForTheRest) {
    const QByteArray line(3 * 1024 * 1024, 'x');
    for (bool announced : {true, false}) {
        LoopbackHttpServer server;
        const QByteArray head = announced ? "HTTP/1.1 200 OK\r\nContent-Length: 99999999\r\n\r\n"
                                          : "HTTP/1.0 200 OK\r\n\r\n";
        server.Respond(head + line, {{head.size() + 2 * 1024 * 1024}, 60000});
        HttpTimeouts timeouts;
        timeouts.receiveMs = 30000;
        QElapsedTimer clock;
        clock.start();
        const HttpGetResult result = HttpGet(server.Url(), timeouts);
        EXPECT_TRUE(result.completed) << announced;
        EXPECT_TRUE(result.truncated) << announced;
        EXPECT_EQ(result.body.size(), kMaxHttpBodyBytes) << announced;
        EXPECT_LT(clock.elapsed(), 20000) << announced;
    }
}

TEST(HttpGet, ServerThatNeverAnswersEndsAtTheReceiveTimeOut) {
    LoopbackHttpServer server;
    server.NeverAnswer();
    // Only the receive time-out is short: the wait ends by it and no other.
    const HttpTimeouts shortened{10000, 10000, 10000, 300};
    QElapsedTimer clock;
    clock.start();
    HttpGetResult result = HttpGet(server.Url(), shortened);
    EXPECT_FALSE(result.completed);
    EXPECT_TRUE(result.body.empty());
    EXPECT_GE(clock.elapsed(), 250);
    EXPECT_LT(clock.elapsed(), 5000);
}

QByteArray Redirect(int status, const std::string& location) {
    return "HTTP/1.1 " + QByteArray::number(status) +
           " Moved\r\nLocation: " + QByteArray::fromStdString(location) +
           "\r\nContent-Length: 9\r\n\r\nmoved to\n";
}

TEST(HttpGet, FollowsUpToFiveRedirectsAndNoMore) {
    LoopbackHttpServer server;
    // /0 -> /1 -> ... -> /6: every kind of redirect, relative and absolute locations.
    const int statuses[] = {301, 302, 303, 307, 308, 301};
    for (int hop = 0; hop < 6; ++hop) {
        const std::string next = "/" + std::to_string(hop + 1);
        server.Route("/" + std::to_string(hop), Redirect(statuses[hop], hop % 2 ? next : server.Url(next)));
    }
    server.Route("/6", HttpResponseBytes(200, "list"));
    for (int first = 0; first <= 6; ++first) {
        const HttpGetResult result = HttpGet(server.Url("/" + std::to_string(first)));
        EXPECT_EQ(result.completed, first > 0) << first;
        EXPECT_EQ(result.body, first > 0 ? "list" : "") << first;
    }
    // A redirect without a location is taken as the page it is.
    server.Respond("HTTP/1.1 302 Found\r\nContent-Length: 4\r\n\r\npage");
    EXPECT_EQ(HttpGet(server.Url("/other")).body, "page");
}

TEST(HttpGet, TheReceiveTimeOutRestartsWithEveryPacket) {
    LoopbackHttpServer server;
    const QByteArray list = HttpResponseBytes(200, "a.example\r\nb.example\r\nc.example");
    HttpTimeouts shortened;
    shortened.receiveMs = 400;
    // Six pauses of 150 ms: far longer than the time-out in all, never that long in one.
    server.Respond(list, {{20, 10, 10, 10, 10, 10}, 150});
    EXPECT_EQ(HttpGet(server.Url(), shortened).body, "a.example\r\nb.example\r\nc.example");
    server.Respond(list, {{20, 10}, 800});
    EXPECT_FALSE(HttpGet(server.Url(), shortened).completed);
}

TEST(HttpGet, HttpsIsFetchedOnlyFromATrustedCertificate) {
    LoopbackHttpServer server(true);
    server.Respond(HttpResponseBytes(200, "secure list"));
    ASSERT_EQ(server.Url().substr(0, 8), "https://");
    EXPECT_FALSE(HttpGet(server.Url()).completed);
    EXPECT_TRUE(server.RequestLines().isEmpty()); // nothing was sent to an unverified server
    const HttpGetResult trusted = HttpGet(server.Url(), {}, testing::LoopbackCertificatePem());
    EXPECT_TRUE(trusted.completed);
    EXPECT_EQ(trusted.body, "secure list");
}

TEST(HttpGet, RefusedConnectionsAndOtherSchemesGiveNothing) {
    EXPECT_FALSE(
        HttpGet("http://127.0.0.1:" + std::to_string(testing::ClosedLoopbackPort()) + "/").completed);
    EXPECT_FALSE(HttpGet("ftp://127.0.0.1/list").completed);
    EXPECT_FALSE(HttpGet("not a url").completed);
    EXPECT_FALSE(HttpGet("").completed);
}

} // namespace
} // namespace net
