#include "platform/net/HttpResponse.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <optional>
#include <string_view>

namespace net {
namespace {

std::string Lower(std::string_view s) {
    std::string out(s);
    std::transform(out.begin(), out.end(), out.begin(), [](unsigned char c) { return std::tolower(c); });
    return out;
}

std::string_view Trim(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t'))
        s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r'))
        s.remove_suffix(1);
    return s;
}

struct Headers {
    std::optional<std::size_t> contentLength;
    bool chunked = false;
};

Headers ReadHeaders(std::string_view block) {
    Headers headers;
    std::size_t pos = block.find('\n'); // skip the status line
    while (pos != std::string_view::npos && pos + 1 < block.size()) {
        std::size_t end = block.find('\n', pos + 1);
        std::string_view line = block.substr(pos + 1, end == std::string_view::npos ? end : end - pos - 1);
        pos = end;
        std::size_t colon = line.find(':');
        if (colon == std::string_view::npos)
            continue;
        std::string name = Lower(Trim(line.substr(0, colon)));
        std::string_view value = Trim(line.substr(colon + 1));
        if (name == "content-length") {
            std::size_t length = 0;
            if (std::from_chars(value.data(), value.data() + value.size(), length).ec == std::errc())
                headers.contentLength = length;
        } else if (name == "transfer-encoding" && Lower(value).find("chunked") != std::string::npos) {
            headers.chunked = true;
        }
    }
    return headers;
}

// Decodes a chunked body; complete once the last (zero-size) chunk has arrived.
HttpResponse DecodeChunked(std::string_view data, HttpResponse response) {
    std::size_t pos = 0;
    for (;;) {
        std::size_t lineEnd = data.find("\r\n", pos);
        if (lineEnd == std::string_view::npos)
            return response;
        std::size_t size = 0;
        auto [end, ec] = std::from_chars(data.data() + pos, data.data() + lineEnd, size, 16);
        if (ec != std::errc() || end == data.data() + pos || size > data.size()) {
            response.malformed = true;
            return response;
        }
        if (size == 0) {
            response.complete = true;
            return response;
        }
        std::size_t chunkStart = lineEnd + 2;
        if (data.size() < chunkStart + size + 2)
            return response;
        response.body.append(data.substr(chunkStart, size));
        pos = chunkStart + size + 2;
    }
}

} // namespace

HttpResponse ParseHttpResponse(const std::string& bytes, bool connectionClosed) {
    HttpResponse response;
    std::size_t headerEnd = bytes.find("\r\n\r\n");
    std::size_t separator = 4;
    if (headerEnd == std::string::npos) {
        headerEnd = bytes.find("\n\n");
        separator = 2;
    }
    if (headerEnd == std::string::npos) {
        response.malformed = connectionClosed;
        return response;
    }
    std::string_view head(bytes.data(), headerEnd);
    if (head.substr(0, 5) != "HTTP/" || head.find(' ') == std::string_view::npos) {
        response.malformed = true;
        return response;
    }
    std::string_view statusText = head.substr(head.find(' ') + 1);
    std::from_chars(statusText.data(), statusText.data() + std::min<std::size_t>(3, statusText.size()),
                    response.status);

    const Headers headers = ReadHeaders(head);
    std::string_view data(bytes.data() + headerEnd + separator, bytes.size() - headerEnd - separator);
    if (headers.chunked)
        return DecodeChunked(data, response);
    if (headers.contentLength) {
        response.body.assign(data.substr(0, *headers.contentLength));
        response.complete = data.size() >= *headers.contentLength;
        return response;
    }
    response.body.assign(data);
    response.complete = connectionClosed;
    return response;
}

} // namespace net
