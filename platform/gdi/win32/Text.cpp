// Fonts and text on gdi32: our UTF-8 goes to the *W calls as UTF-16.
#include "platform/gdi/win32/Native.h"

#include <cstring>

namespace gdi {

using namespace win32;

HFONT CreateFontIndirectA(const LOGFONTA* logfont) {
    if (!logfont)
        return 0;
    ::LOGFONTW wide{};
    std::memcpy(&wide, logfont, offsetof(gdi::LOGFONTA, lfFaceName));
    const std::wstring face = Utf16(logfont->lfFaceName, static_cast<int>(strnlen(logfont->lfFaceName, LF_FACESIZE)));
    face.copy(wide.lfFaceName, LF_FACESIZE - 1);
    return Counted(FromNative(::CreateFontIndirectW(&wide)));
}

// The metrics hold no text but four character codes, which the ANSI form
// gives as Windows' own ANSI call does.
BOOL GetTextMetricsA(HDC hdc, TEXTMETRICA* metrics) {
    return ::GetTextMetricsA(ToNative<::HDC>(hdc), AsNative<::TEXTMETRICA>(metrics));
}

BOOL GetTextExtentPoint32A(HDC hdc, const char* text, int length, SIZE* size) {
    const std::wstring wide = Utf16(text, length);
    return ::GetTextExtentPoint32W(ToNative<::HDC>(hdc), wide.c_str(), static_cast<int>(wide.size()),
                                   AsNative<::SIZE>(size));
}

BOOL TextOutA(HDC hdc, int x, int y, const char* text, int length) {
    const std::wstring wide = Utf16(text, length);
    return ::TextOutW(ToNative<::HDC>(hdc), x, y, wide.c_str(), static_cast<int>(wide.size()));
}

int DrawTextA(HDC hdc, const char* text, int length, RECT* rect, UINT format) {
    if (!text)
        return 0;
    std::wstring wide = Utf16(text, length);
    return ::DrawTextW(ToNative<::HDC>(hdc), wide.data(), static_cast<int>(wide.size()), AsNative<::RECT>(rect),
                       format);
}

} // namespace gdi
