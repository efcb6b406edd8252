#pragma once
// Reading an HTTP/1.x response as its bytes come in: status line, headers, and a
// body framed by Content-Length, chunked transfer coding, or the end of the
// connection. Lines may end in CR LF or in a bare LF.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace net {

struct HttpResponse {
    bool complete = false; // the whole body is here
    bool malformed = false;
    int status = 0;
    std::string location; // the Location header, for redirects
    std::string body;
};

// Takes the response piece by piece as it arrives, however it is cut: a piece
// that ends inside a line, a chunk or the header block leaves the response
// incomplete, never malformed. Each byte is looked at once.
class HttpResponseReader {
  public:
    void Feed(std::string_view bytes);
    // The peer has closed: this ends a body that has no other framing.
    void Close();
    const HttpResponse& Response() const { return response_; }

  private:
    enum class Stage { Head, Body, ChunkSize, ChunkData, ChunkEnd, Done };
    bool ReadHead();
    bool ReadChunkSize();
    bool ReadChunkEnd();
    void Fail();
    void Step();

    Stage stage_ = Stage::Head;
    std::string pending_;     // bytes not yet taken
    std::size_t scanned_ = 0; // of pending_, already searched for the end of the head
    bool chunked_ = false;
    std::optional<std::size_t> length_; // Content-Length
    std::size_t chunkLeft_ = 0;
    HttpResponse response_;
};

// Parses a response all of whose bytes so far are given at once.
HttpResponse ParseHttpResponse(const std::string& bytes, bool connectionClosed);

} // namespace net
