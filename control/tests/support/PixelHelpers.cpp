#include "control/tests/support/PixelHelpers.h"

#include "control/stage/TopDownDib.h"

#include <algorithm>
#include <sstream>

namespace control_testing {

char Legend::CharFor(gdi::COLORREF color) const {
    for (const auto& [c, value] : entries_) {
        if (value == color) return c;
    }
    return '?';
}

gdi::COLORREF Legend::ColorFor(char c) const {
    for (const auto& [key, value] : entries_) {
        if (key == c) return value;
    }
    return gdi::CLR_INVALID;
}

Art CaptureArt(gdi::HDC hdc, int left, int top, int width, int height, const Legend& legend) {
    Art art;
    for (int y = 0; y < height; ++y) {
        std::string row;
        for (int x = 0; x < width; ++x) row += legend.CharFor(gdi::GetPixel(hdc, left + x, top + y));
        art.push_back(row);
    }
    return art;
}

Art RegionArt(gdi::HRGN region, int width, int height) {
    Art art;
    for (int y = 0; y < height; ++y) {
        std::string row;
        for (int x = 0; x < width; ++x) row += (region != 0 && gdi::PtInRegion(region, x, y)) ? '#' : '.';
        art.push_back(row);
    }
    return art;
}

Art WindowRegionArt(user::HWND hwnd, int width, int height) {
    const gdi::HRGN copy = gdi::CreateRectRgn(0, 0, 0, 0);
    Art art;
    if (user::GetWindowRgn(hwnd, copy) == gdi::ERROR) {
        art.assign(static_cast<std::size_t>(height), std::string(static_cast<std::size_t>(width), '#'));
    } else {
        art = RegionArt(copy, width, height);
    }
    gdi::DeleteObject(copy);
    return art;
}

::testing::AssertionResult SameArt(const Art& expected, const Art& actual) {
    if (expected == actual) return ::testing::AssertionSuccess();
    std::ostringstream out;
    out << "pictures differ (expected | actual, '*' marks differing rows)\n";
    const std::size_t rows = std::max(expected.size(), actual.size());
    std::size_t width = 0;
    for (const auto& row : expected) width = std::max(width, row.size());
    for (std::size_t y = 0; y < rows; ++y) {
        const std::string e = y < expected.size() ? expected[y] : "";
        const std::string a = y < actual.size() ? actual[y] : "";
        out << (e == a ? ' ' : '*') << ' ' << e << std::string(width - e.size(), ' ') << " | " << a << '\n';
    }
    return ::testing::AssertionFailure() << out.str();
}

namespace {

// Pixel memory holds 0x00RRGGBB (BGRA bytes); COLORREF is 0x00BBGGRR.
std::uint32_t ToDibPixel(gdi::COLORREF color) {
    return (static_cast<std::uint32_t>(gdi::GetRValue(color)) << 16) |
           (static_cast<std::uint32_t>(gdi::GetGValue(color)) << 8) | gdi::GetBValue(color);
}

}  // namespace

picture::PicturePtr MakeBitmapPicture(const Art& art, const Legend& legend) {
    const int height = static_cast<int>(art.size());
    const int width = height > 0 ? static_cast<int>(art[0].size()) : 0;
    std::uint32_t* bits = nullptr;
    const gdi::HBITMAP bitmap = control_stage::CreateTopDownDib(width, height, &bits);
    if (bitmap == 0 || bits == nullptr) return nullptr;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) bits[y * width + x] = ToDibPixel(legend.ColorFor(art[y][x]));
    }
    return std::make_shared<picture::Picture>(bitmap, picture::PictureType::Bitmap, width, height,
                                              std::vector<std::uint8_t>{});
}

picture::PicturePtr MakeSolidPicture(int width, int height, gdi::COLORREF color) {
    const Art art(static_cast<std::size_t>(height), std::string(static_cast<std::size_t>(width), 'c'));
    return MakeBitmapPicture(art, Legend{{'c', color}});
}

picture::PicturePtr MakeIconPicture(const Art& art, const Legend& legend, gdi::COLORREF transparent) {
    const int height = static_cast<int>(art.size());
    const int width = height > 0 ? static_cast<int>(art[0].size()) : 0;
    std::uint32_t* bits = nullptr;
    const gdi::HBITMAP color = control_stage::CreateTopDownDib(width, height, &bits);
    if (color == 0 || bits == nullptr) return nullptr;
    // AND mask: 1 where the icon is transparent; rows padded to 16 bits.
    const int stride = ((width + 15) / 16) * 2;
    std::vector<std::uint8_t> maskBits(static_cast<std::size_t>(stride * height), 0);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const gdi::COLORREF c = legend.ColorFor(art[y][x]);
            const bool clear = c == transparent;
            bits[y * width + x] = clear ? 0 : ToDibPixel(c);
            if (clear) maskBits[static_cast<std::size_t>(y * stride + x / 8)] |= static_cast<std::uint8_t>(0x80 >> (x % 8));
        }
    }
    const gdi::HBITMAP mask = gdi::CreateBitmap(width, height, 1, 1, maskBits.data());
    gdi::ICONINFO info{};
    info.fIcon = gdi::TRUE;
    info.hbmMask = mask;
    info.hbmColor = color;
    const gdi::HICON icon = gdi::CreateIconIndirect(&info);
    gdi::DeleteObject(mask);
    gdi::DeleteObject(color);
    if (icon == 0) return nullptr;
    return std::make_shared<picture::Picture>(icon, picture::PictureType::Icon, width, height,
                                              std::vector<std::uint8_t>{});
}

gdi::DWORD LiveGdiObjects() { return gdi::GetGuiResources(gdi::GetCurrentProcess(), gdi::GR_GDIOBJECTS); }

}  // namespace control_testing
