#include "platform/qt/MousePointers.h"

#include "platform/window/WindowSurface.h"

#include <QImage>
#include <QPixmap>

#include <array>

namespace qtplatform {
namespace {

// The icon drawn on a surface filled with one colour.
void DrawIconOn(user::WindowSurface& surface, gdi::HICON icon, gdi::DWORD fill) {
    const gdi::HDC dc = surface.AcquireDC();
    if (dc == 0)
        return;
    gdi::PatBlt(dc, 0, 0, surface.Width(), surface.Height(), fill);
    gdi::DrawIconEx(dc, 0, 0, icon, surface.Width(), surface.Height(), 0, 0, gdi::DI_NORMAL);
    surface.ReleaseDC(dc);
}

} // namespace

std::optional<QCursor> CursorFromIcon(const picture::Picture& icon) {
    if (icon.Type() != picture::PictureType::Icon || icon.Width() <= 0 || icon.Height() <= 0)
        return std::nullopt;
    const auto handle = static_cast<gdi::HICON>(icon.Handle());
    gdi::ICONINFO info{};
    if (!gdi::GetIconInfo(handle, &info))
        return std::nullopt;
    if (info.hbmMask != 0)
        gdi::DeleteObject(info.hbmMask);
    if (info.hbmColor != 0)
        gdi::DeleteObject(info.hbmColor);

    // Drawn once on black and once on white: where both agree the icon is
    // opaque; where they differ the screen shows through (or is inverted,
    // which Qt cannot show and so shows through too).
    user::WindowSurface onBlack;
    user::WindowSurface onWhite;
    onBlack.Resize(icon.Width(), icon.Height());
    onWhite.Resize(icon.Width(), icon.Height());
    if (onBlack.Bits() == nullptr || onWhite.Bits() == nullptr)
        return std::nullopt;
    DrawIconOn(onBlack, handle, gdi::BLACKNESS);
    DrawIconOn(onWhite, handle, gdi::WHITENESS);

    QImage image(icon.Width(), icon.Height(), QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const std::size_t at = static_cast<std::size_t>(y) * image.width() + x;
            const std::uint32_t black = onBlack.Bits()[at] & 0x00FFFFFFu;
            const std::uint32_t white = onWhite.Bits()[at] & 0x00FFFFFFu;
            image.setPixel(x, y, black == white ? (0xFF000000u | black) : 0u);
        }
    }
    return QCursor(QPixmap::fromImage(image), static_cast<int>(info.xHotspot),
                   static_cast<int>(info.yHotspot));
}

std::optional<QCursor> CursorForPointer(std::int16_t pointer, const picture::PicturePtr& icon) {
    // Index = MousePointer 0..15: default, arrow, cross, I-beam, icon, size,
    // size NE-SW, size N-S, size NW-SE, size W-E, up arrow, hourglass, no drop,
    // arrow and hourglass, arrow and question mark, size all.
    static const std::array<Qt::CursorShape, 16> kShapes = {
        Qt::ArrowCursor,     Qt::ArrowCursor,   Qt::CrossCursor,     Qt::IBeamCursor,
        Qt::ArrowCursor,     Qt::SizeAllCursor, Qt::SizeBDiagCursor, Qt::SizeVerCursor,
        Qt::SizeFDiagCursor, Qt::SizeHorCursor, Qt::UpArrowCursor,   Qt::WaitCursor,
        Qt::ForbiddenCursor, Qt::BusyCursor,    Qt::WhatsThisCursor, Qt::SizeAllCursor};
    if (pointer == 99) {
        if (icon) {
            if (auto cursor = CursorFromIcon(*icon))
                return cursor;
        }
        return std::nullopt;
    }
    if (pointer <= 0 || pointer >= static_cast<std::int16_t>(kShapes.size()))
        return std::nullopt;
    return QCursor(kShapes[static_cast<std::size_t>(pointer)]);
}

} // namespace qtplatform
