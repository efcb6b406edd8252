// Helpers for the region tests: a plain pixel set as the reference model,
// its canonical rectangle list computed independently of the engine, and
// ASCII pictures for failures.
#pragma once

#include "platform/gdi/region/Region.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

namespace gdi::testing {

using detail::Region;

// Pixels of the area [left, left + width) x [top, top + height).
class PixelSet {
  public:
    PixelSet(int left, int top, int width, int height)
        : left_(left), top_(top), width_(width), height_(height),
          bits_(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), false) {}

    static PixelSet Of(const Region& region, int left, int top, int width, int height) {
        PixelSet set(left, top, width, height);
        for (int y = top; y < top + height; ++y) {
            for (int x = left; x < left + width; ++x) {
                set.Set(x, y, region.Contains(x, y));
            }
        }
        return set;
    }

    int Left() const { return left_; }
    int Top() const { return top_; }
    int Width() const { return width_; }
    int Height() const { return height_; }

    bool Get(int x, int y) const {
        if (x < left_ || y < top_ || x >= left_ + width_ || y >= top_ + height_) {
            return false;
        }
        return bits_[Index(x, y)];
    }
    void Set(int x, int y, bool value) { bits_[Index(x, y)] = value; }
    void FillRect(const RECT& rect) {
        for (int y = rect.top; y < rect.bottom; ++y) {
            for (int x = rect.left; x < rect.right; ++x) {
                if (x >= left_ && y >= top_ && x < left_ + width_ && y < top_ + height_) {
                    Set(x, y, true);
                }
            }
        }
    }
    bool operator==(const PixelSet& other) const = default;

    // One line per row: '#' inside, '.' outside.
    std::vector<std::string> Art() const {
        std::vector<std::string> rows;
        for (int y = top_; y < top_ + height_; ++y) {
            std::string row;
            for (int x = left_; x < left_ + width_; ++x) {
                row += Get(x, y) ? '#' : '.';
            }
            rows.push_back(row);
        }
        return rows;
    }

    // The canonical band list of these pixels, built the obvious way: the
    // runs of every row, and consecutive rows with equal runs joined.
    std::vector<RECT> CanonicalRects() const {
        std::vector<RECT> rects;
        std::vector<std::pair<int, int>> previousRuns;
        std::size_t previousStart = 0;
        for (int y = top_; y < top_ + height_; ++y) {
            std::vector<std::pair<int, int>> runs;
            for (int x = left_; x < left_ + width_;) {
                if (!Get(x, y)) {
                    ++x;
                    continue;
                }
                int end = x;
                while (end < left_ + width_ && Get(end, y)) {
                    ++end;
                }
                runs.emplace_back(x, end);
                x = end;
            }
            const bool continues =
                !runs.empty() && runs == previousRuns && !rects.empty() && rects.back().bottom == y;
            if (continues) {
                for (std::size_t i = previousStart; i < rects.size(); ++i) {
                    rects[i].bottom = y + 1;
                }
            } else if (!runs.empty()) {
                previousStart = rects.size();
                for (const auto& [from, to] : runs) {
                    rects.push_back(RECT{from, y, to, y + 1});
                }
            }
            previousRuns = runs;
        }
        return rects;
    }

  private:
    std::size_t Index(int x, int y) const {
        return static_cast<std::size_t>(y - top_) * static_cast<std::size_t>(width_) +
               static_cast<std::size_t>(x - left_);
    }
    int left_;
    int top_;
    int width_;
    int height_;
    std::vector<bool> bits_;
};

inline std::string RectsText(const std::vector<RECT>& rects) {
    std::ostringstream text;
    for (const RECT& rect : rects) {
        text << "(" << rect.left << "," << rect.top << "," << rect.right << "," << rect.bottom << ") ";
    }
    return text.str();
}

// Expected and actual pictures side by side, differing rows marked with '<'.
inline ::testing::AssertionResult SamePicture(const std::vector<std::string>& expected,
                                              const std::vector<std::string>& actual) {
    if (expected == actual) {
        return ::testing::AssertionSuccess();
    }
    std::ostringstream text;
    text << "expected | actual\n";
    const std::size_t rows = std::max(expected.size(), actual.size());
    for (std::size_t i = 0; i < rows; ++i) {
        const std::string left = i < expected.size() ? expected[i] : "";
        const std::string right = i < actual.size() ? actual[i] : "";
        text << left
             << std::string(expected.empty() ? 0
                                             : expected[0].size() - std::min(left.size(), expected[0].size()),
                            ' ')
             << " | " << right << (left != right ? "  <" : "") << "\n";
    }
    return ::testing::AssertionFailure() << text.str();
}

// The region's pixels in an area must equal the picture.
inline ::testing::AssertionResult RegionLooksLike(const Region& region, int left, int top,
                                                  const std::vector<std::string>& expected) {
    const int height = static_cast<int>(expected.size());
    const int width = height == 0 ? 0 : static_cast<int>(expected[0].size());
    return SamePicture(expected, PixelSet::Of(region, left, top, width, height).Art());
}

} // namespace gdi::testing
