#pragma once
// Text as lines, and the limits a line must keep before the list shows it.
#include <cstddef>
#include <string>
#include <string_view>

namespace app {

// Text split into lines, walked one line at a time so that a long list costs no
// more memory than its own text. A line ends at a CR LF pair or at a lone LF
// (the CR before an LF is not part of the line): a list written on Windows and
// one written on Linux give the same lines. Empty text has no line; text
// without a line end is one line; a trailing line end adds a last, empty line.
class TextLines {
  public:
    explicit TextLines(std::string_view text);
    int Count() const { return count_; }
    // The next line, as it stands.
    std::string Next();

  private:
    std::string_view text_;
    std::size_t position_ = 0;
    int count_ = 0;
};

// Result lines are cut to this many characters, the last of them "…".
constexpr std::size_t kMaxResultLineCharacters = 300;

// The UTF-8 text, or its first 299 characters and "…" when it is longer than
// 300 characters.
std::string LimitResultLine(const std::string& text);

// The first characters of a server's reply for a message: blanks and line ends
// around it dropped, control characters shown as spaces, at most 40 characters.
std::string ReplyExcerpt(const std::string& reply);

// ASCII letters lowered; other bytes (UTF-8 sequences among them) kept.
std::string AsciiLower(std::string text);

} // namespace app
