#include "platform/gdi/tests/support/PixelArt.h"

#include <algorithm>
#include <sstream>

namespace gdi::testing {

char Legend::CharFor(COLORREF color) const {
    for (const auto& [c, value] : entries_) {
        if (value == color)
            return c;
    }
    return '?';
}

bool Legend::ColorFor(char c, COLORREF* color) const {
    for (const auto& [key, value] : entries_) {
        if (key == c) {
            *color = value;
            return true;
        }
    }
    return false;
}

std::vector<std::string> CaptureArt(HDC hdc, int width, int height, const Legend& legend) {
    std::vector<std::string> rows;
    for (int y = 0; y < height; ++y) {
        std::string row;
        for (int x = 0; x < width; ++x)
            row += legend.CharFor(GetPixel(hdc, x, y));
        rows.push_back(row);
    }
    return rows;
}

void PaintArt(HDC hdc, const std::vector<std::string>& picture, const Legend& legend) {
    for (int y = 0; y < static_cast<int>(picture.size()); ++y) {
        for (int x = 0; x < static_cast<int>(picture[y].size()); ++x) {
            COLORREF color = 0;
            if (legend.ColorFor(picture[y][x], &color))
                SetPixel(hdc, x, y, color);
        }
    }
}

::testing::AssertionResult SameArt(const std::vector<std::string>& expected,
                                   const std::vector<std::string>& actual) {
    if (expected == actual)
        return ::testing::AssertionSuccess();
    size_t width = 8;
    for (const auto& row : expected)
        width = std::max(width, row.size());
    std::ostringstream out;
    out << "pictures differ\n  " << std::string("expected").append(width > 8 ? width - 8 : 0, ' ')
        << "   actual\n";
    const size_t rows = std::max(expected.size(), actual.size());
    for (size_t y = 0; y < rows; ++y) {
        std::string left = y < expected.size() ? expected[y] : "";
        const std::string right = y < actual.size() ? actual[y] : "";
        const bool differs = left != right;
        left.append(width - std::min(width, left.size()), ' ');
        out << (differs ? "* " : "  ") << left << " | " << right << '\n';
    }
    return ::testing::AssertionFailure() << out.str();
}

::testing::AssertionResult MatchesArt(HDC hdc, const std::vector<std::string>& expected,
                                      const Legend& legend) {
    const int height = static_cast<int>(expected.size());
    const int width = height > 0 ? static_cast<int>(expected[0].size()) : 0;
    return SameArt(expected, CaptureArt(hdc, width, height, legend));
}

Canvas::Canvas(int width, int height, COLORREF fill) {
    dc_ = CreateCompatibleDC(0);
    // A fresh memory DC holds a monochrome bitmap, so take the screen's format.
    HDC screen = GetDC(0);
    bitmap_ = CreateCompatibleBitmap(screen, width, height);
    ReleaseDC(0, screen);
    previous_ = SelectObject(dc_, bitmap_);
    HBRUSH brush = CreateSolidBrush(fill);
    RECT all{0, 0, width, height};
    FillRect(dc_, &all, brush);
    DeleteObject(brush);
}

Canvas::~Canvas() {
    SelectObject(dc_, previous_);
    DeleteObject(bitmap_);
    DeleteDC(dc_);
}

} // namespace gdi::testing
