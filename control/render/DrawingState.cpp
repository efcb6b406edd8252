#include "control/render/DrawingState.h"

#include "control/render/Colors.h"
#include "control/render/Rounding.h"
#include "control/render/Surface.h"

#include <algorithm>
#include <cctype>
#include <cstring>

namespace {

bool SameNameIgnoringCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
           });
}

// The longest prefix of text that fits into limit bytes without splitting a UTF-8 character.
std::size_t Utf8PrefixLength(const std::string& text, std::size_t limit) {
    if (text.size() <= limit) return text.size();
    std::size_t length = limit;
    while (length > 0 && (static_cast<unsigned char>(text[length]) & 0xC0) == 0x80) --length;
    return length;
}

void UpdateFont(ztButtons_H& button) {
    const container::FontPtr font = button.Font();
    if (!font) return;
    // The site knows the screen the control is on; fonts are sized for it.
    double twipsPerPixelY = button.Site() != nullptr ? button.Site()->TwipsPerPixelY() : user::TwipsPerPixelY();
    if (!(twipsPerPixelY > 0)) twipsPerPixelY = 15;  // no window system: the classic screen
    const gdi::LOGFONTA logFont = BuildLogFont(*font, twipsPerPixelY);
    const gdi::HFONT newFont = gdi::CreateFontIndirectA(&logFont);
    if (newFont == 0) return;  // the previous font stays selected
    const gdi::HGDIOBJ previous = button.SurfaceDC != 0 ? gdi::SelectObject(button.SurfaceDC, newFont) : 0;
    if (previous == 0) {
        // No surface to hold it (yet): the font would belong to nobody.
        gdi::DeleteObject(newFont);
        return;
    }
    if (button.SavedFont == 0) {
        button.SavedFont = previous;  // the font the DC was created with
    } else if (previous != button.SavedFont) {
        gdi::DeleteObject(previous);  // the control's previous caption font
    }
}

void UpdatePicture(ztButtons_H& button) {
    if (!button.Picture) {
        button.DeleteImage();
        button.PictureWidth = 0;
        button.PictureHeight = 0;
        return;
    }
    const gdi::HANDLE handle = button.Picture->Handle();
    gdi::BITMAP record{};
    if (gdi::GetObjectA(handle, sizeof(record), &record) == 0) record = gdi::BITMAP{};
    if (record.bmBits != nullptr) {
        button.PictureIsIcon = 0;
    } else {
        gdi::ICONINFO icon{};
        if (gdi::GetIconInfo(handle, &icon) != 0) {
            if (icon.hbmColor != 0) {
                record = gdi::BITMAP{};
                gdi::GetObjectA(icon.hbmColor, sizeof(record), &record);
                button.PictureIsIcon = 1;
            }
            if (icon.hbmColor != 0) gdi::DeleteObject(icon.hbmColor);
            if (icon.hbmMask != 0) gdi::DeleteObject(icon.hbmMask);
        }
    }
    button.PictureWidth = record.bmWidth;
    button.PictureHeight = record.bmHeight;
}

void UpdateDerivedColours(ztButtons_H& button) {
    button.FaceColor = TranslateColor(button.BackColor);
    button.FaceShadeColor = button.FaceColor;
    button.HoverFaceColor = TranslateColor(button.HoverBackColor);
    constexpr RgbColor grey = 0x808080;
    constexpr RgbColor white = 0xFFFFFF;
    switch (button.ButtonStyle) {
    case 7:
        button.FaceColor = ShadeColor(button.FaceColor, 31, false, false, false);
        button.FaceShadeColor = ShadeColor(grey, -16, false, false, false);
        button.HoverFaceColor = ShadeColor(button.HoverFaceColor, 31, false, false, false);
        button.CheckedFaceColor = ShadeColor(grey, 16, true, false, false);
        break;
    case 2:
        button.FaceColor = ShadeColor(button.FaceColor, 48, true, false, false);
        button.HoverFaceColor = ShadeColor(button.HoverFaceColor, 48, true, false, false);
        button.FaceShadeColor = ShadeColor(button.FaceColor, -32, true, false, false);
        button.CheckedFaceColor = ShadeColor(white, -32, true, false, false);
        break;
    case 3:
        button.FaceShadeColor = ShadeColor(grey, 12, false, false, false);
        button.CheckedFaceColor = ShadeColor(button.FaceShadeColor, 31, false, false, false);
        break;
    default:
        button.CheckedFaceColor = ShadeColor(white, -32, false, false, false);
        break;
    }
}

}  // namespace

void UpdateDrawingState(ztButtons_H& button, std::string_view aspect) {
    if (SameNameIgnoringCase(aspect, "Font")) {
        UpdateFont(button);
    } else if (SameNameIgnoringCase(aspect, "Picture")) {
        UpdatePicture(button);
    } else if (SameNameIgnoringCase(aspect, "BackColor")) {
        UpdateDerivedColours(button);
    }
}

gdi::LOGFONTA BuildLogFont(const container::Font& font, double twipsPerPixelY) {
    gdi::LOGFONTA logFont{};
    if (!(twipsPerPixelY > 0)) twipsPerPixelY = 15;
    logFont.lfHeight = RoundHalfEven(-20.0 * font.Size() / twipsPerPixelY);
    logFont.lfWeight = font.Weight();
    logFont.lfItalic = font.Italic() ? 1 : 0;
    logFont.lfUnderline = font.Underline() ? 1 : 0;
    logFont.lfStrikeOut = font.Strikethrough() ? 1 : 0;
    logFont.lfCharSet = gdi::DEFAULT_CHARSET;
    // Name, NUL, then spaces to the end of the field; a name too long for the
    // field is cut at a character boundary so that the NUL always fits.
    std::memset(logFont.lfFaceName, ' ', sizeof(logFont.lfFaceName));
    const std::size_t length = Utf8PrefixLength(font.Name(), gdi::LF_FACESIZE - 1);
    std::memcpy(logFont.lfFaceName, font.Name().data(), length);
    logFont.lfFaceName[length] = '\0';
    return logFont;
}
