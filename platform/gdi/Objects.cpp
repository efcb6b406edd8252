// Object lifetime and inspection: DeleteObject, stock objects, object types,
// GetObjectA and the live-object count.
#include "platform/gdi/internal/Objects.h"
#include "platform/gdi/gdi.h"

#include <algorithm>
#include <cstring>

namespace gdi {

using namespace detail;

BOOL DeleteObject(HGDIOBJ handle) {
    Object* object = FindObject(handle);
    if (!object || object->kind == ObjectKind::Dc || object->kind == ObjectKind::Icon)
        return FALSE;
    if (object->deletePending)
        return FALSE; // already deleted, only still held by a DC
    if (object->stock)
        return TRUE; // stock objects outlive everyone; deleting one is harmless
    // A DC never points at freed memory: objects still selected go when deselected.
    if (object->selections > 0) {
        object->deletePending = true;
        return TRUE;
    }
    RemoveLiveObject(handle);
    return TRUE;
}

HGDIOBJ GetStockObject(int index) {
    return StockObject(index);
}

DWORD GetObjectType(HGDIOBJ handle) {
    const Object* object = FindObject(handle);
    if (!object)
        return 0;
    switch (object->kind) {
    case ObjectKind::Pen:
        return OBJ_PEN;
    case ObjectKind::Brush:
        return OBJ_BRUSH;
    case ObjectKind::Font:
        return OBJ_FONT;
    case ObjectKind::Bitmap:
        return OBJ_BITMAP;
    case ObjectKind::Region:
        return OBJ_REGION;
    case ObjectKind::Dc:
        return static_cast<const DcObject*>(object)->isMemory ? OBJ_MEMDC : OBJ_DC;
    case ObjectKind::Icon:
        return 0; // icons are window-system objects, not GDI ones
    }
    return 0;
}

namespace {

int CopyOut(const void* value, int valueSize, int size, void* buffer) {
    if (!buffer)
        return valueSize;
    if (size <= 0)
        return 0;
    const int bytes = std::min(size, valueSize);
    std::memcpy(buffer, value, static_cast<std::size_t>(bytes));
    return bytes;
}

} // namespace

int GetObjectA(HGDIOBJ handle, int size, void* buffer) {
    if (const BitmapObject* bitmap = FindBitmap(handle)) {
        const Surface& surface = *bitmap->surface;
        BITMAP info{};
        info.bmWidth = surface.width;
        info.bmHeight = surface.height;
        info.bmWidthBytes = surface.stride;
        info.bmPlanes = 1;
        info.bmBitsPixel = static_cast<WORD>(surface.bitsPerPixel);
        info.bmBits = bitmap->dibSection ? surface.bits.get() : nullptr;
        return CopyOut(&info, sizeof info, size, buffer);
    }
    if (const FontObject* font = FindFont(handle))
        return CopyOut(&font->logfont, sizeof font->logfont, size, buffer);
    return 0;
}

HANDLE GetCurrentProcess() {
    return 0xFFFFFFFFu;
} // the pseudo handle, as on Windows

DWORD GetGuiResources(HANDLE process, DWORD flags) {
    if (process != GetCurrentProcess())
        return 0;
    if (flags == GR_GDIOBJECTS)
        return LiveObjectCount(false);
    if (flags == GR_USEROBJECTS)
        return LiveObjectCount(true);
    return 0;
}

} // namespace gdi
