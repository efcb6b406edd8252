// Pixel and region helpers for control tests: pictures written as ASCII art
// (one character per colour, a legend beside it), captures of device
// contexts, regions and window regions as art, and picture objects made from
// art. A failed comparison prints expected and actual side by side.
#pragma once

#include "platform/gdi/gdi.h"
#include "platform/picture/Picture.h"
#include "platform/window/user.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

namespace control_testing {

using Art = std::vector<std::string>;

// Maps picture characters to colours; colours not in the legend show as '?'.
class Legend {
public:
    Legend(std::initializer_list<std::pair<char, gdi::COLORREF>> entries) : entries_(entries) {}
    char CharFor(gdi::COLORREF color) const;
    gdi::COLORREF ColorFor(char c) const;  // CLR_INVALID for unknown characters

private:
    std::vector<std::pair<char, gdi::COLORREF>> entries_;
};

// width x height pixels from (left, top) of the DC, read with GetPixel.
Art CaptureArt(gdi::HDC hdc, int left, int top, int width, int height, const Legend& legend);

// '#' for pixels inside the region, '.' outside; region 0 reads as all outside.
Art RegionArt(gdi::HRGN region, int width, int height);
// The window's region as art; a window without a region reads as all inside.
Art WindowRegionArt(user::HWND hwnd, int width, int height);

::testing::AssertionResult SameArt(const Art& expected, const Art& actual);

// A bitmap picture (a 32-bit DIB section) painted from art.
picture::PicturePtr MakeBitmapPicture(const Art& art, const Legend& legend);
// A bitmap picture of one colour.
picture::PicturePtr MakeSolidPicture(int width, int height, gdi::COLORREF color);
// An icon picture from art; pixels of the transparent colour are masked out.
picture::PicturePtr MakeIconPicture(const Art& art, const Legend& legend, gdi::COLORREF transparent);

// Live drawing objects right now.
gdi::DWORD LiveGdiObjects();

}  // namespace control_testing
