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
    std::string location;
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
        } else if (name == "location") {
            headers.location = std::string(value);
        }
    }
    return headers;
}

} // namespace

void HttpResponseReader::Feed(std::string_view bytes) {
    if (stage_ == Stage::Done)
        return;
    pending_.append(bytes);
    Step();
}

void HttpResponseReader::Close() {
    if (stage_ == Stage::Head)
        Fail();
    else if (stage_ == Stage::Body && !length_) {
        response_.complete = true;
        stage_ = Stage::Done;
    }
}

void HttpResponseReader::Fail() {
    response_.malformed = true;
    stage_ = Stage::Done;
    pending_.clear();
}

// Runs the stages as far as the bytes at hand go.
void HttpResponseReader::Step() {
    for (;;) {
        switch (stage_) {
        case Stage::Head:
            if (!ReadHead())
                return;
            break;
        case Stage::Body: {
            std::size_t take = pending_.size();
            if (length_)
                take = std::min(take, *length_ - response_.body.size());
            response_.body.append(pending_, 0, take);
            pending_.clear();
            if (length_ && response_.body.size() == *length_) {
                response_.complete = true;
                stage_ = Stage::Done;
            }
            return;
        }
        case Stage::ChunkSize:
            if (!ReadChunkSize())
                return;
            break;
        case Stage::ChunkData: {
            const std::size_t take = std::min(chunkLeft_, pending_.size());
            response_.body.append(pending_, 0, take);
            pending_.erase(0, take);
            chunkLeft_ -= take;
            if (chunkLeft_ > 0)
                return;
            stage_ = Stage::ChunkEnd;
            break;
        }
        case Stage::ChunkEnd:
            if (!ReadChunkEnd())
                return;
            break;
        case Stage::Done:
            pending_.clear();
            return;
        }
    }
}

// The head ends at the first blank line, whether it ends in CR LF or in LF.
bool HttpResponseReader::ReadHead() {
    constexpr std::size_t kMaxHeadBytes = 64 * 1024;
    const std::string_view prefix = "HTTP/";
    if (pending_.compare(0, std::min(pending_.size(), prefix.size()), prefix, 0,
                         std::min(pending_.size(), prefix.size())) != 0) {
        Fail();
        return false;
    }
    std::size_t headEnd = std::string::npos, blankStart = 0;
    for (std::size_t at = pending_.find('\n', scanned_); at != std::string::npos;
         at = pending_.find('\n', at + 1)) {
        scanned_ = at; // undecided until the bytes after this line break are here
        if (at + 1 < pending_.size() && pending_[at + 1] == '\n') {
            headEnd = at + 2;
        } else if (at + 2 < pending_.size() && pending_[at + 1] == '\r' && pending_[at + 2] == '\n') {
            headEnd = at + 3;
        } else if (at + 1 == pending_.size() || (at + 2 == pending_.size() && pending_[at + 1] == '\r')) {
            break;
        } else {
            scanned_ = at + 1;
            continue;
        }
        blankStart = at + 1;
        break;
    }
    if (headEnd == std::string::npos) {
        if (pending_.find('\n', scanned_) == std::string::npos)
            scanned_ = pending_.size();
        if (pending_.size() > kMaxHeadBytes)
            Fail();
        return false;
    }
    const std::string_view head(pending_.data(), blankStart);
    const std::size_t space = head.find(' ');
    if (space == std::string_view::npos) {
        Fail();
        return false;
    }
    const std::string_view statusText = head.substr(space + 1);
    std::from_chars(statusText.data(), statusText.data() + std::min<std::size_t>(3, statusText.size()),
                    response_.status);
    const Headers headers = ReadHeaders(head);
    chunked_ = headers.chunked;
    length_ = chunked_ ? std::nullopt : headers.contentLength;
    response_.location = headers.location;
    pending_.erase(0, headEnd);
    stage_ = chunked_ ? Stage::ChunkSize : Stage::Body;
    if (length_ && *length_ == 0) {
        response_.complete = true;
        stage_ = Stage::Done;
    }
    return true;
}

// A chunk's size line: hexadecimal digits, perhaps extensions after ";".
bool HttpResponseReader::ReadChunkSize() {
    constexpr std::size_t kMaxSizeLineBytes = 4096;
    const std::size_t lineEnd = pending_.find('\n');
    if (lineEnd == std::string::npos) {
        if (pending_.size() > kMaxSizeLineBytes)
            Fail();
        return false;
    }
    std::string_view line(pending_.data(), lineEnd);
    line = Trim(line.substr(0, line.find(';')));
    std::size_t size = 0;
    const auto [end, ec] = std::from_chars(line.data(), line.data() + line.size(), size, 16);
    if (line.empty() || ec != std::errc() || end != line.data() + line.size()) {
        Fail();
        return false;
    }
    pending_.erase(0, lineEnd + 1);
    if (size == 0) { // the last chunk; trailers are not needed
        response_.complete = true;
        stage_ = Stage::Done;
        return true;
    }
    chunkLeft_ = size;
    stage_ = Stage::ChunkData;
    return true;
}

// The line break after a chunk's data.
bool HttpResponseReader::ReadChunkEnd() {
    if (pending_.empty() || pending_ == "\r")
        return false;
    const std::size_t breakSize = pending_[0] == '\n' ? 1 : pending_.compare(0, 2, "\r\n") == 0 ? 2 : 0;
    if (breakSize == 0) {
        Fail();
        return false;
    }
    pending_.erase(0, breakSize);
    stage_ = Stage::ChunkSize;
    return true;
}

HttpResponse ParseHttpResponse(const std::string& bytes, bool connectionClosed) {
    HttpResponseReader reader;
    reader.Feed(bytes);
    if (connectionClosed)
        reader.Close();
    return reader.Response();
}

} // namespace net
