#include "SheetLabels.h"

#include "platform/gdi/gdi.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr int kLabelHeight = 13;

gdi::HFONT CreateLabelFont(bool bold) {
    gdi::LOGFONTA font{};
    font.lfHeight = -11;
    font.lfWeight = bold ? gdi::FW_BOLD : gdi::FW_NORMAL;
    font.lfCharSet = gdi::DEFAULT_CHARSET;
    std::strncpy(font.lfFaceName, "DejaVu Sans", gdi::LF_FACESIZE - 1);
    return gdi::CreateFontIndirectA(&font);
}

}  // namespace

ArgbImage RenderLabel(const std::string& text, std::uint32_t background, bool bold) {
    const gdi::HDC screen = gdi::GetDC(0);
    const gdi::HDC dc = gdi::CreateCompatibleDC(screen);
    const gdi::HFONT font = CreateLabelFont(bold);
    const gdi::HGDIOBJ oldFont = gdi::SelectObject(dc, font);

    gdi::RECT measure{0, 0, 2000, kLabelHeight};
    gdi::DrawTextA(dc, text.data(), static_cast<int>(text.size()), &measure, gdi::DT_CALCRECT | gdi::DT_SINGLELINE);
    const int width = std::clamp<int>(measure.right, 1, 2000);
    const int height = std::max<int>(measure.bottom, kLabelHeight);

    const gdi::HBITMAP bitmap = gdi::CreateCompatibleBitmap(screen, width, height);
    const gdi::HGDIOBJ oldBitmap = gdi::SelectObject(dc, bitmap);
    const gdi::HBRUSH fill = gdi::CreateSolidBrush(background);
    const gdi::RECT all{0, 0, width, height};
    gdi::FillRect(dc, &all, fill);
    gdi::DeleteObject(fill);
    gdi::SetBkMode(dc, gdi::TRANSPARENT);
    gdi::SetTextColor(dc, 0);
    gdi::RECT target = all;
    gdi::DrawTextA(dc, text.data(), static_cast<int>(text.size()), &target, gdi::DT_LEFT | gdi::DT_SINGLELINE);

    ArgbImage image(width, height, 0);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) image.At(x, y) = OpaqueFromColorref(gdi::GetPixel(dc, x, y));
    }

    gdi::SelectObject(dc, oldBitmap);
    gdi::SelectObject(dc, oldFont);
    gdi::DeleteObject(bitmap);
    gdi::DeleteObject(font);
    gdi::DeleteDC(dc);
    gdi::ReleaseDC(0, screen);
    return image;
}
