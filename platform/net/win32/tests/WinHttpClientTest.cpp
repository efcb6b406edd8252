// The WinHTTP client against an HTTP server of the test's own on 127.0.0.1:
// redirects to another path, the download cap, error pages, a silent server
// and a refused connection, each with the time-outs it is fetched with.
#include "platform/net/HttpClient.h"
#include "platform/net/win32/testing/ThreadServers.h"

#include <gtest/gtest.h>

#include <chrono>
#include <map>
#include <string>
#include <vector>

namespace net {
namespace {

using testing::HttpReply;
using testing::HttpResponseBytes;
using testing::ThreadHttpServer;

std::string Redirect(int status, const std::string& location) {
    return HttpResponseBytes(status, "moved", "Location: " + location + "\r\n");
}

// The paths of the requests after the first `seen` ones, which then counts them too.
std::vector<std::string> NewPaths(const ThreadHttpServer& server, std::size_t& seen) {
    const std::vector<std::string> lines = server.RequestLines();
    std::vector<std::string> paths;
    for (; seen < lines.size(); ++seen) {
        const std::string& line = lines[seen]; // "GET <path> HTTP/1.1"
        const std::size_t start = line.find(' ') + 1;
        paths.push_back(line.substr(start, line.find(' ', start) - start));
    }
    return paths;
}

TEST(WinHttpClient, EachServerBehaviourGivesItsResult) {
    const std::string list = "a.example\r\nb.example";
    const std::string mebibyte(kMaxHttpBodyBytes, 'h');
    std::map<std::string, HttpReply> responses = {
        {"/list", {HttpResponseBytes(200, list)}},
        {"/moved", {Redirect(301, "/list")}},
        {"/missing", {HttpResponseBytes(404, "<html>Not Found</html>")}},
        {"/mebibyte", {HttpResponseBytes(200, mebibyte)}},
        {"/longer", {HttpResponseBytes(200, mebibyte + "hh")}},
        {"/silent", {"", false}},
        {"/stalls", {"HTTP/1.1 200 OK\r\nContent-Length: 100\r\n\r\nhalf", false}},
        {"/hop0", {HttpResponseBytes(200, list)}},
    };
    // /hopN is N redirects away from the list.
    for (int hop = 1; hop <= kMaxHttpRedirects + 1; ++hop)
        responses["/hop" + std::to_string(hop)] = {Redirect(302, "/hop" + std::to_string(hop - 1))};
    ThreadHttpServer server(responses);
    // 302 to an absolute address on the same server.
    ThreadHttpServer other(std::map<std::string, HttpReply>{{"/found", {Redirect(302, server.Url("/list"))}}});

    const HttpTimeouts shipped;
    // Only the receive time-out is short: a silent server is left by it and no
    // other, whether it is silent before the head or in the middle of the body.
    const HttpTimeouts shortReceive{10000, 10000, 10000, 300};
    struct Row {
        const char* name;
        std::string url;
        HttpTimeouts timeouts;
        bool completed;
        int status;
        const std::string& body;
        bool truncated;
        std::vector<std::string> paths; // asked of the first server
        long long atMostMs;
    };
    const std::string none;
    const Row rows[] = {
        {"200", server.Url("/list"), shipped, true, 200, list, false, {"/list"}, 5000},
        {"301 to another path", server.Url("/moved"), shipped, true, 200, list, false, {"/moved", "/list"}, 5000},
        {"302 to an absolute address", other.Url("/found"), shipped, true, 200, list, false, {"/list"}, 5000},
        {"five redirects", server.Url("/hop5"), shipped, true, 200, list, false,
         {"/hop5", "/hop4", "/hop3", "/hop2", "/hop1", "/hop0"}, 5000},
        {"six redirects", server.Url("/hop6"), shipped, false, 0, none, false,
         {"/hop6", "/hop5", "/hop4", "/hop3", "/hop2", "/hop1"}, 5000},
        {"error page", server.Url("/missing"), shipped, true, 404, "<html>Not Found</html>", false, {"/missing"}, 5000},
        {"1 MiB", server.Url("/mebibyte"), shipped, true, 200, mebibyte, false, {"/mebibyte"}, 5000},
        {"longer: cut at 1 MiB", server.Url("/longer"), shipped, true, 200, mebibyte, true, {"/longer"}, 5000},
        {"silent server", server.Url("/silent"), shortReceive, false, 0, none, false, {"/silent"}, 5000},
        {"silent in the body", server.Url("/stalls"), shortReceive, false, 0, none, false, {"/stalls"}, 5000},
        {"refused connection", "http://127.0.0.1:1/list", shipped, false, 0, none, false, {}, 5000},
    };
    std::size_t seen = 0;
    for (const Row& row : rows) {
        const auto start = std::chrono::steady_clock::now();
        const HttpGetResult result = HttpGet(row.url, row.timeouts);
        const auto elapsedMs =
            std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start).count();
        EXPECT_EQ(result.completed, row.completed) << row.name;
        EXPECT_EQ(result.status, row.status) << row.name;
        EXPECT_TRUE(result.body == row.body) << row.name << ": " << result.body.size() << " bytes";
        EXPECT_EQ(result.truncated, row.truncated) << row.name;
        EXPECT_EQ(NewPaths(server, seen), row.paths) << row.name;
        EXPECT_LE(elapsedMs, row.atMostMs) << row.name;
        if (row.timeouts.receiveMs == shortReceive.receiveMs) {
            EXPECT_GE(elapsedMs, row.timeouts.receiveMs - 50) << row.name;
        }
    }
}

} // namespace
} // namespace net
