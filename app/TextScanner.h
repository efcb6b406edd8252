#pragma once
// Reading fixed text forms field by field, from left to right: a run of
// digits of a given length, a given character, a run of letters. Each read
// moves on only when it succeeds.
#include <cstddef>
#include <optional>
#include <string_view>

namespace app {

class TextScanner {
  public:
    explicit TextScanner(std::string_view text) : text_(text) {}

    // A number of fewest to most ASCII digits (as many as there are, up to most).
    std::optional<int> Digits(std::size_t fewest, std::size_t most) {
        std::size_t count = 0;
        int value = 0;
        while (count < most && position_ + count < text_.size() && IsDigit(text_[position_ + count]))
            value = value * 10 + (text_[position_ + count++] - '0');
        if (count < fewest)
            return std::nullopt;
        position_ += count;
        return value;
    }

    // Exactly this character.
    bool Take(char expected) {
        if (position_ >= text_.size() || text_[position_] != expected)
            return false;
        ++position_;
        return true;
    }

    // Any one of the characters.
    bool TakeAny(std::string_view choices) {
        if (position_ >= text_.size() || choices.find(text_[position_]) == std::string_view::npos)
            return false;
        ++position_;
        return true;
    }

    // Exactly this text.
    bool Take(std::string_view expected) {
        if (text_.substr(position_, expected.size()) != expected)
            return false;
        position_ += expected.size();
        return true;
    }

    // Exactly count ASCII letters.
    std::optional<std::string_view> Letters(std::size_t count) {
        if (position_ + count > text_.size())
            return std::nullopt;
        for (std::size_t i = 0; i < count; ++i) {
            const char c = text_[position_ + i];
            if (!((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z')))
                return std::nullopt;
        }
        const std::string_view letters = text_.substr(position_, count);
        position_ += count;
        return letters;
    }

    bool AtEnd() const { return position_ == text_.size(); }
    std::size_t Position() const { return position_; }

  private:
    static bool IsDigit(char c) { return c >= '0' && c <= '9'; }
    std::string_view text_;
    std::size_t position_ = 0;
};

} // namespace app
