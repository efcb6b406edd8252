#pragma once
// Reading an HTTP/1.x response as its bytes come in: status line, headers, and a
// body framed by Content-Length, chunked transfer coding, or the end of the
// connection.
#include <cstddef>
#include <string>

namespace net {

struct HttpResponse {
    bool complete = false; // the whole body is here
    bool malformed = false;
    int status = 0;
    std::string body;
};

// Parses what has arrived so far. connectionClosed tells whether the peer has
// closed, which ends a body that has no other framing. A response with a
// framed body stays incomplete until all of it is there.
HttpResponse ParseHttpResponse(const std::string& bytes, bool connectionClosed);

} // namespace net
