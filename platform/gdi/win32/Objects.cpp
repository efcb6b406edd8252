// Deleting, describing and the stock objects on gdi32.
#include "platform/gdi/win32/Native.h"

#include <algorithm>
#include <cstring>

namespace gdi {

using namespace win32;

BOOL DeleteObject(HGDIOBJ object) {
    const BOOL deleted = ::DeleteObject(ToNative(object));
    if (deleted)
        Uncounted(object);
    return deleted;
}

HGDIOBJ GetStockObject(int index) {
    return FromNative(::GetStockObject(index));
}

DWORD GetObjectType(HGDIOBJ object) {
    return ::GetObjectType(ToNative(object));
}

// Fonts answer with the face name in UTF-8, cut at a whole character; every
// other object has no text and the same record under both names.
int GetObjectA(HGDIOBJ object, int size, void* buffer) {
    if (::GetObjectType(ToNative(object)) != OBJ_FONT)
        return ::GetObjectW(ToNative(object), size, buffer);
    ::LOGFONTW wide{};
    if (::GetObjectW(ToNative(object), sizeof wide, &wide) == 0)
        return 0;
    if (!buffer)
        return sizeof(gdi::LOGFONTA);
    gdi::LOGFONTA narrow{};
    std::memcpy(&narrow, &wide, offsetof(gdi::LOGFONTA, lfFaceName));
    std::string face = Utf8(wide.lfFaceName);
    std::size_t cut = std::min<std::size_t>(face.size(), LF_FACESIZE - 1);
    while (cut > 0 && cut < face.size() && (static_cast<unsigned char>(face[cut]) & 0xC0) == 0x80)
        --cut;
    std::memcpy(narrow.lfFaceName, face.data(), cut);
    const int copied = std::min<int>(size, sizeof narrow);
    std::memcpy(buffer, &narrow, static_cast<std::size_t>(std::max(copied, 0)));
    return copied;
}

HPEN CreatePen(int style, int width, COLORREF color) {
    return Counted(FromNative(::CreatePen(style, width, color)));
}

HBRUSH CreateSolidBrush(COLORREF color) {
    return Counted(FromNative(::CreateSolidBrush(color)));
}

HBRUSH CreatePatternBrush(HBITMAP bitmap) {
    return Counted(FromNative(::CreatePatternBrush(ToNative<::HBITMAP>(bitmap))));
}

DWORD GetSysColor(int index) {
    return ::GetSysColor(index);
}

} // namespace gdi
