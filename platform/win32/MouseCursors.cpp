#include "platform/win32/MouseCursors.h"

#include "platform/window/WindowSurface.h"
#include "platform/win32/Native.h"

#include <array>
#include <vector>

namespace win32platform {
namespace {

// The icon drawn by the drawing layer on a surface filled with one colour.
void DrawIconOn(user::WindowSurface& surface, gdi::HICON icon, gdi::DWORD fill) {
    const gdi::HDC dc = surface.AcquireDC();
    if (dc == 0)
        return;
    gdi::PatBlt(dc, 0, 0, surface.Width(), surface.Height(), fill);
    gdi::DrawIconEx(dc, 0, 0, icon, surface.Width(), surface.Height(), 0, 0, DI_NORMAL);
    surface.ReleaseDC(dc);
}

} // namespace

void* SystemCursorForPointer(std::int16_t pointer) {
    // Index = MousePointer 0..15: default, arrow, cross, I-beam, icon, size,
    // size NE-SW, size N-S, size NW-SE, size W-E, up arrow, hourglass, no drop,
    // arrow and hourglass, arrow and question mark, size all.
    static const std::array<LPCWSTR, 16> kCursors = {
        nullptr,     IDC_ARROW,  IDC_CROSS,    IDC_IBEAM, IDC_ICON,        IDC_SIZEALL, IDC_SIZENESW, IDC_SIZENS,
        IDC_SIZENWSE, IDC_SIZEWE, IDC_UPARROW, IDC_WAIT,  IDC_NO,          IDC_APPSTARTING, IDC_HELP, IDC_SIZEALL};
    if (pointer <= 0 || pointer >= static_cast<std::int16_t>(kCursors.size()))
        return nullptr;
    return LoadCursorW(nullptr, kCursors[static_cast<std::size_t>(pointer)]);
}

void* CursorFromIcon(const picture::Picture& icon) {
    if (icon.Type() != picture::PictureType::Icon || icon.Width() <= 0 || icon.Height() <= 0)
        return nullptr;
    const auto handle = static_cast<gdi::HICON>(icon.Handle());
    gdi::ICONINFO info{};
    if (!gdi::GetIconInfo(handle, &info))
        return nullptr;
    if (info.hbmMask != 0)
        gdi::DeleteObject(info.hbmMask);
    if (info.hbmColor != 0)
        gdi::DeleteObject(info.hbmColor);

    // Drawn once on black and once on white. A cursor shows
    // (screen AND mask) XOR colour: on black that is the colour itself, and
    // wherever white gives something else the mask lets the screen through.
    const int width = icon.Width();
    const int height = icon.Height();
    user::WindowSurface onBlack;
    user::WindowSurface onWhite;
    onBlack.Resize(width, height);
    onWhite.Resize(width, height);
    if (onBlack.Bits() == nullptr || onWhite.Bits() == nullptr)
        return nullptr;
    DrawIconOn(onBlack, handle, BLACKNESS);
    DrawIconOn(onWhite, handle, WHITENESS);

    const int maskStride = (width + 15) / 16 * 2; // monochrome rows are whole 16-bit words
    std::vector<BYTE> mask(static_cast<std::size_t>(maskStride) * height, 0);
    std::vector<std::uint32_t> colour(static_cast<std::size_t>(width) * height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const std::size_t at = static_cast<std::size_t>(y) * width + x;
            const std::uint32_t black = onBlack.Bits()[at] & 0x00FFFFFFu;
            const std::uint32_t white = onWhite.Bits()[at] & 0x00FFFFFFu;
            colour[at] = black;
            if (black != white)
                mask[static_cast<std::size_t>(y) * maskStride + x / 8] |= static_cast<BYTE>(0x80 >> (x % 8));
        }
    }
    ICONINFO cursor{};
    cursor.fIcon = FALSE;
    cursor.xHotspot = info.xHotspot;
    cursor.yHotspot = info.yHotspot;
    cursor.hbmMask = CreateBitmap(width, height, 1, 1, mask.data());
    cursor.hbmColor = CreateBitmap(width, height, 1, 32, colour.data());
    HCURSOR result = nullptr;
    if (cursor.hbmMask != nullptr && cursor.hbmColor != nullptr)
        result = CreateIconIndirect(&cursor);
    if (cursor.hbmMask != nullptr)
        DeleteObject(cursor.hbmMask);
    if (cursor.hbmColor != nullptr)
        DeleteObject(cursor.hbmColor);
    return result;
}

} // namespace win32platform
