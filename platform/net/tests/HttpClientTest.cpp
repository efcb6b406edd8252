#include "platform/net/HttpClient.h"
#include "platform/net/HttpResponse.h"
#include "platform/net/testing/LoopbackServers.h"

#include <QElapsedTimer>
#include <gtest/gtest.h>

namespace net {
namespace {

using testing::HttpResponseBytes;
using testing::LoopbackHttpServer;

TEST(HttpResponseParsing, FramingByLengthChunksOrClose) {
    EXPECT_FALSE(ParseHttpResponse("HTTP/1.1 200 OK\r\nContent-Length: 5\r\n\r\nab", false).complete);
    HttpResponse whole = ParseHttpResponse("HTTP/1.1 200 OK\r\nContent-Length: 5\r\n\r\nabcdeEXTRA", false);
    EXPECT_TRUE(whole.complete);
    EXPECT_EQ(whole.body, "abcde");

    const std::string chunked =
        "HTTP/1.1 200 OK\r\ntransfer-encoding: Chunked\r\n\r\n3\r\nabc\r\n2\r\nde\r\n";
    EXPECT_FALSE(ParseHttpResponse(chunked, false).complete);
    HttpResponse joined = ParseHttpResponse(chunked + "0\r\n\r\n", false);
    EXPECT_TRUE(joined.complete);
    EXPECT_EQ(joined.body, "abcde");
    EXPECT_TRUE(ParseHttpResponse(chunked + "zz\r\n", false).malformed);

    const std::string unframed = "HTTP/1.0 404 Not Found\r\n\r\ngone";
    EXPECT_FALSE(ParseHttpResponse(unframed, false).complete);
    HttpResponse closed = ParseHttpResponse(unframed, true);
    EXPECT_TRUE(closed.complete);
    EXPECT_EQ(closed.status, 404);
    EXPECT_EQ(closed.body, "gone");

    EXPECT_TRUE(ParseHttpResponse("SSH-2.0-OpenSSH\r\n\r\n", false).malformed);
    EXPECT_TRUE(ParseHttpResponse("HTTP/1.1 200", true).malformed);
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

TEST(HttpGet, ServerThatNeverAnswersEndsAtTheReceiveTimeOut) {
    LoopbackHttpServer server;
    server.NeverAnswer();
    HttpTimeouts shortened;
    shortened.receiveMs = 300;
    QElapsedTimer clock;
    clock.start();
    HttpGetResult result = HttpGet(server.Url(), shortened);
    EXPECT_FALSE(result.completed);
    EXPECT_TRUE(result.body.empty());
    EXPECT_GE(clock.elapsed(), 250);
    EXPECT_LT(clock.elapsed(), 5000);
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
