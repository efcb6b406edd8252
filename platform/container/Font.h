// A font object as a form keeps it (Name, Size, Weight, Bold, Italic,
// Underline, Strikethrough, Charset). Bold and Weight are one fact seen two
// ways: Bold is Weight >= 600, setting Bold makes the weight 700 or 400.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

namespace container {

class Font {
  public:
    static constexpr std::int16_t kNormalWeight = 400;
    static constexpr std::int16_t kBoldWeight = 700;

    static constexpr double kDefaultSize = 9.0;
    static constexpr double kLargestSize = 2160.0; // points, the form run-time's limit

    Font() = default;
    // A size above the limit (infinity too) becomes the largest size; one
    // that is not a positive number becomes the default size. Every font thus
    // has a size that SetSize accepts and that a saved form can hold.
    Font(std::string name, double size);

    const std::string& Name() const { return name_; }
    void SetName(std::string name) { name_ = std::move(name); }

    double Size() const { return size_; } // points
    bool SetSize(double points);          // refuses sizes outside (0, kLargestSize]

    std::int16_t Weight() const { return weight_; }
    bool SetWeight(std::int16_t weight); // refuses weights outside 0..1000

    bool Bold() const { return weight_ >= 600; }
    void SetBold(bool bold) { weight_ = bold ? kBoldWeight : kNormalWeight; }

    bool Italic() const { return italic_; }
    void SetItalic(bool italic) { italic_ = italic; }
    bool Underline() const { return underline_; }
    void SetUnderline(bool underline) { underline_ = underline; }
    bool Strikethrough() const { return strikethrough_; }
    void SetStrikethrough(bool strikethrough) { strikethrough_ = strikethrough; }

    std::int16_t Charset() const { return charset_; }
    void SetCharset(std::int16_t charset) { charset_ = charset; }

    std::shared_ptr<Font> Clone() const { return std::make_shared<Font>(*this); }

    friend bool operator==(const Font&, const Font&) = default;

  private:
    std::string name_ = "宋体";
    double size_ = kDefaultSize;
    std::int16_t weight_ = kNormalWeight;
    bool italic_ = false;
    bool underline_ = false;
    bool strikethrough_ = false;
    std::int16_t charset_ = 134; // GB2312
};

using FontPtr = std::shared_ptr<Font>;

} // namespace container
