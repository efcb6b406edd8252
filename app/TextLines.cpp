#include "app/TextLines.h"

#include <algorithm>

namespace app {
namespace {

bool IsContinuationByte(unsigned char byte) {
    return (byte & 0xC0) == 0x80;
}

// The byte offset after the first count characters of UTF-8 text (a byte that
// starts no sequence counts as one character).
std::size_t OffsetOfCharacter(std::string_view text, std::size_t count) {
    std::size_t offset = 0;
    for (std::size_t seen = 0; offset < text.size() && seen < count; ++seen) {
        ++offset;
        while (offset < text.size() && IsContinuationByte(static_cast<unsigned char>(text[offset])))
            ++offset;
    }
    return offset;
}

constexpr std::size_t kReplyExcerptCharacters = 40;

} // namespace

TextLines::TextLines(std::string_view text) : text_(text) {
    count_ = text.empty() ? 0 : static_cast<int>(std::count(text.begin(), text.end(), '\n')) + 1;
}

std::string TextLines::Next() {
    const std::size_t end = text_.find('\n', position_);
    std::size_t stop = end == std::string_view::npos ? text_.size() : end;
    if (end != std::string_view::npos && stop > position_ && text_[stop - 1] == '\r')
        --stop;
    std::string line(text_.substr(position_, stop - position_));
    position_ = end == std::string_view::npos ? text_.size() : end + 1;
    return line;
}

std::string LimitResultLine(const std::string& text) {
    const std::size_t cut = OffsetOfCharacter(text, kMaxResultLineCharacters);
    if (cut >= text.size())
        return text;
    return text.substr(0, OffsetOfCharacter(text, kMaxResultLineCharacters - 1)) + "…";
}

std::string ReplyExcerpt(const std::string& reply) {
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    std::size_t first = 0;
    std::size_t last = reply.size();
    while (first < last && blank(reply[first]))
        ++first;
    while (last > first && blank(reply[last - 1]))
        --last;
    std::string excerpt = reply.substr(first, last - first);
    excerpt.resize(OffsetOfCharacter(excerpt, kReplyExcerptCharacters));
    for (char& c : excerpt)
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F)
            c = ' ';
    return excerpt;
}

std::string AsciiLower(std::string text) {
    for (char& c : text)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return text;
}

} // namespace app
