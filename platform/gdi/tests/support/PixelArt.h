// Pixel tests against ASCII art: one character per colour, a legend beside it.
// A failed comparison prints the expected and the actual picture side by side,
// with the rows that differ marked, so a stray pixel is easy to find.
#pragma once

#include "platform/gdi/gdi.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace gdi::testing {

// What canvases are pre-filled with: no drawing operation writes it by
// chance, so a stray write shows as a character other than '.'.
inline constexpr COLORREF kOdd = RGB(1, 2, 3);

// Maps picture characters to colours. Colours not in the legend show as '?'.
class Legend {
  public:
    Legend(std::initializer_list<std::pair<char, COLORREF>> entries) : entries_(entries) {}
    char CharFor(COLORREF color) const;
    bool ColorFor(char c, COLORREF* color) const;

  private:
    std::vector<std::pair<char, COLORREF>> entries_;
};

// Reads width x height pixels from (0,0) of the DC with GetPixel.
std::vector<std::string> CaptureArt(HDC hdc, int width, int height, const Legend& legend);

// Sets every pixel from the picture (the picture's size decides the area).
void PaintArt(HDC hdc, const std::vector<std::string>& picture, const Legend& legend);

// Compares the DC's top-left area (the size of the expected picture) with the picture.
::testing::AssertionResult MatchesArt(HDC hdc, const std::vector<std::string>& expected,
                                      const Legend& legend);

// Compares two pictures; used by MatchesArt and by tests that build both sides.
::testing::AssertionResult SameArt(const std::vector<std::string>& expected,
                                   const std::vector<std::string>& actual);

// A memory DC holding a 32-bit bitmap pre-filled with a colour; deletes both on scope exit.
class Canvas {
  public:
    Canvas(int width, int height, COLORREF fill);
    ~Canvas();
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;
    HDC Dc() const { return dc_; }
    HBITMAP Bitmap() const { return bitmap_; }

  private:
    HDC dc_ = 0;
    HBITMAP bitmap_ = 0;
    HGDIOBJ previous_ = 0;
};

} // namespace gdi::testing
