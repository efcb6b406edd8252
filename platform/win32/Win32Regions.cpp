// Window regions. The drawing layer's region is read as its rectangle list
// and made again as a user32 region, which the window then owns; the layer's
// handle is deleted as the window takes it. GetWindowRgn goes the other way.
#include "platform/win32/Win32WindowSystem.h"

#include "platform/win32/Native.h"

#include <vector>

namespace win32platform {
namespace {

std::vector<char> RegionDataOf(gdi::HRGN region) {
    const gdi::DWORD size = gdi::GetRegionData(region, 0, nullptr);
    std::vector<char> buffer(size);
    if (size == 0 || gdi::GetRegionData(region, size, reinterpret_cast<gdi::RGNDATA*>(buffer.data())) == 0)
        buffer.clear();
    return buffer;
}

// The drawing layer's region as a new user32 region; nullptr on failure.
::HRGN NativeRegion(gdi::HRGN region) {
    std::vector<char> data = RegionDataOf(region);
    if (data.empty())
        return nullptr;
    // Both RGNDATA layouts are Windows' own.
    return ExtCreateRegion(nullptr, static_cast<DWORD>(data.size()), reinterpret_cast<const ::RGNDATA*>(data.data()));
}

// Copies a user32 region into the drawing layer's region, rectangle by rectangle.
int CopyToOurRegion(::HRGN native, gdi::HRGN region) {
    const DWORD size = ::GetRegionData(native, 0, nullptr);
    std::vector<char> buffer(size);
    auto* data = reinterpret_cast<::RGNDATA*>(buffer.data());
    if (size == 0 || ::GetRegionData(native, size, data) == 0)
        return 0;
    if (gdi::SetRectRgn(region, 0, 0, 0, 0) == 0)
        return 0;
    const gdi::HRGN piece = gdi::CreateRectRgn(0, 0, 0, 0);
    const auto* rects = reinterpret_cast<const ::RECT*>(data->Buffer);
    for (DWORD i = 0; piece != 0 && i < data->rdh.nCount; ++i) {
        gdi::SetRectRgn(piece, rects[i].left, rects[i].top, rects[i].right, rects[i].bottom);
        gdi::CombineRgn(region, region, piece, RGN_OR);
    }
    if (piece != 0)
        gdi::DeleteObject(piece);
    gdi::RECT box{};
    return gdi::GetRgnBox(region, &box);
}

} // namespace

int Win32WindowSystem::SetWindowRgn(user::HWND hwnd, user::HRGN region, user::BOOL redraw) {
    if (!IsWindow(hwnd))
        return 0;
    if (region == 0)
        return ::SetWindowRgn(ToNative(hwnd), nullptr, redraw);
    if (gdi::GetObjectType(region) != OBJ_REGION)
        return 0;
    const ::HRGN native = NativeRegion(region);
    if (native == nullptr)
        return 0;
    if (::SetWindowRgn(ToNative(hwnd), native, redraw) == 0) {
        DeleteObject(native);
        return 0; // the caller keeps its region, as after a refused SetWindowRgn
    }
    gdi::DeleteObject(region);
    return 1;
}

int Win32WindowSystem::GetWindowRgn(user::HWND hwnd, user::HRGN region) {
    const ::HRGN native = CreateRectRgn(0, 0, 0, 0);
    if (native == nullptr)
        return 0; // ERROR
    int type = ::GetWindowRgn(ToNative(hwnd), native);
    if (type != 0)
        type = CopyToOurRegion(native, region);
    DeleteObject(native);
    return type;
}

} // namespace win32platform
