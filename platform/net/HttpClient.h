#pragma once
// A plain HTTP GET for small text resources, with the four classic time-outs.
// Only "http://" addresses are fetched; redirects are not followed.
#include <cstddef>
#include <string>

namespace net {

struct HttpTimeouts {
    int resolveMs = 3000;  // name lookup
    int connectMs = 3000;  // TCP connection
    int sendMs = 3000;     // sending the request
    int receiveMs = 60000; // the whole response, from the end of the request on
};

// Bodies beyond this size are not taken: the download counts as failed.
constexpr std::size_t kMaxHttpBodyBytes = 16 * 1024 * 1024;

struct HttpGetResult {
    bool completed = false; // a whole response arrived ("ready state 4")
    int status = 0;
    std::string body;
};

// Fetches the URL. While it waits it runs the thread's event loop, so windows
// keep painting and taking input; it returns when the response is complete or a
// time-out or error ends the attempt.
HttpGetResult HttpGet(const std::string& url, const HttpTimeouts& timeouts = {});

} // namespace net
