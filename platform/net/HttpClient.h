#pragma once
// An HTTP GET for small text resources, with the four classic time-outs:
// "http://" and "https://" addresses (certificates verified against the
// system's trusted authorities), following up to 5 redirects.
#include <cstddef>
#include <string>

namespace net {

struct HttpTimeouts {
    int resolveMs = 3000;  // name lookup
    int connectMs = 3000;  // TCP connection
    int sendMs = 3000;     // sending the request
    int receiveMs = 60000; // silence while receiving: restarts with every packet
};

// Of a longer body only this much is taken, and the rest is not waited for.
constexpr std::size_t kMaxHttpBodyBytes = 1024 * 1024;

struct HttpGetResult {
    bool completed = false; // a whole response arrived ("ready state 4"), or its first kMaxHttpBodyBytes
    int status = 0;
    std::string body;
    bool truncated = false; // the body was cut at kMaxHttpBodyBytes
};

// Redirects followed at most; a sixth counts as a failure.
constexpr int kMaxHttpRedirects = 5;

// Fetches the URL. While it waits it runs the thread's event loop, so windows
// keep painting and taking input; it returns when the response is complete or a
// time-out or error ends the attempt. A redirect (301, 302, 303, 307, 308 with a
// Location) is followed with a new GET, each with the full time-outs.
// trustedCertificatesPem adds certificate authorities to the system's.
HttpGetResult HttpGet(const std::string& url, const HttpTimeouts& timeouts = {},
                      const std::string& trustedCertificatesPem = {});

} // namespace net
