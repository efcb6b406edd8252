// Icons on user32. Icons are the window system's objects (GR_USEROBJECTS);
// the bitmaps GetIconInfo hands out are GDI's and the caller deletes them.
#include "platform/gdi/win32/Native.h"

namespace gdi {

using namespace win32;

HICON CreateIconIndirect(const ICONINFO* info) {
    if (!info)
        return 0;
    ::ICONINFO native{info->fIcon, info->xHotspot, info->yHotspot, ToNative<::HBITMAP>(info->hbmMask),
                      ToNative<::HBITMAP>(info->hbmColor)};
    return Counted(FromNative(::CreateIconIndirect(&native)), ObjectKind::User);
}

BOOL GetIconInfo(HICON icon, ICONINFO* info) {
    ::ICONINFO native{};
    if (!info || !::GetIconInfo(ToNative<::HICON>(icon), &native))
        return FALSE;
    *info = ICONINFO{native.fIcon, native.xHotspot, native.yHotspot, Counted(FromNative(native.hbmMask)),
                     Counted(FromNative(native.hbmColor))};
    return TRUE;
}

BOOL DrawIconEx(HDC hdc, int x, int y, HICON icon, int width, int height, UINT step, HBRUSH flicker, UINT flags) {
    return ::DrawIconEx(ToNative<::HDC>(hdc), x, y, ToNative<::HICON>(icon), width, height, step,
                        ToNative<::HBRUSH>(flicker), flags);
}

BOOL DestroyIcon(HICON icon) {
    const BOOL destroyed = ::DestroyIcon(ToNative<::HICON>(icon));
    if (destroyed)
        Uncounted(icon, ObjectKind::User);
    return destroyed;
}

} // namespace gdi
