// The object model behind the handles: every pen, brush, font, bitmap, region,
// device context and icon lives in one handle table. Handles are never reused
// while the process runs, so a stale handle is simply unknown. Stock objects
// sit in the same table but are not counted and cannot be deleted.
//
// Deleting an object that is still selected into a device context is
// deferred: DeleteObject succeeds, the object stays valid for the DCs that
// hold it, and it is freed (and stops counting) when the last of them lets it
// go, by selecting another object or by DeleteDC. So no DC ever points at
// freed memory, and code that deletes a bitmap before its memory DC leaks nothing.
//
// The drawing layer is used from the user-interface thread only.
#pragma once

#include "platform/gdi/gdi.h"
#include "platform/gdi/internal/Surface.h"
#include "platform/gdi/region/Region.h"

#include <memory>
#include <optional>

namespace gdi::detail {

class FontFace;

enum class ObjectKind { Pen, Brush, Font, Bitmap, Region, Dc, Icon };

struct Object {
    explicit Object(ObjectKind k) : kind(k) {}
    virtual ~Object() = default;
    ObjectKind kind;
    bool stock = false;
    int selections = 0;         // number of DCs this object is selected into
    bool deletePending = false; // deleted while selected: freed when the last DC lets go
};

struct PenObject : Object {
    PenObject() : Object(ObjectKind::Pen) {}
    int style = PS_SOLID;
    int width = 1;
    COLORREF color = 0;
};

struct BrushObject : Object {
    BrushObject() : Object(ObjectKind::Brush) {}
    bool hollow = false;
    COLORREF color = 0;
    std::shared_ptr<const Surface> pattern; // pattern brushes: a private copy of the bitmap
};

struct FontObject : Object {
    FontObject() : Object(ObjectKind::Font) {}
    LOGFONTA logfont{};
    bool isDefault = false; // the font a DC starts with
    // Faces are resolved on first use: stock fonts cost nothing until text is drawn.
    const FontFace& Face() const;

  private:
    mutable std::shared_ptr<FontFace> face_;
};

struct BitmapObject : Object {
    BitmapObject() : Object(ObjectKind::Bitmap) {}
    std::shared_ptr<Surface> surface;
    bool dibSection = false;
};

struct RegionObject : Object {
    RegionObject() : Object(ObjectKind::Region) {}
    Region region;
};

struct DcObject : Object {
    DcObject() : Object(ObjectKind::Dc) {}
    bool isMemory = true; // false: a screen DC from GetDC(0)
    HBITMAP bitmap = 0;   // memory DCs only
    HPEN pen = 0;
    HBRUSH brush = 0;
    HFONT font = 0;
    std::shared_ptr<Surface> surface; // what the DC draws on
    COLORREF textColor = RGB(0, 0, 0);
    COLORREF bkColor = RGB(255, 255, 255);
    int bkMode = OPAQUE;
    int mapMode = MM_TEXT;
    int stretchMode = BLACKONWHITE;
    POINT position{0, 0};
    std::optional<Region> clip; // device coordinates; none: the whole surface
};

struct IconObject : Object {
    IconObject() : Object(ObjectKind::Icon) {}
    bool isIcon = true;
    DWORD xHotspot = 0;
    DWORD yHotspot = 0;
    std::shared_ptr<Surface> mask;  // 1 bpp; twice the height for monochrome icons
    std::shared_ptr<Surface> color; // null for monochrome icons
    int Width() const { return mask->width; }
    int Height() const { return color ? mask->height : mask->height / 2; }
};

// Adds an object and returns its new handle (0 if the object is null).
HANDLE AddObject(std::unique_ptr<Object> object);
// The object behind a handle, or null for 0, unknown handles and stock-free lookups of a wrong kind.
Object* FindObject(HANDLE handle);
void RemoveObject(HANDLE handle);
HGDIOBJ StockObject(int index); // creates the stock table on first use
HBITMAP DefaultBitmap();        // the 1x1 monochrome bitmap every memory DC starts with
DWORD LiveObjectCount(bool userObjects);

template <typename T> T* Find(HANDLE handle, ObjectKind kind) {
    Object* object = FindObject(handle);
    return object && object->kind == kind ? static_cast<T*>(object) : nullptr;
}
inline PenObject* FindPen(HANDLE h) {
    return Find<PenObject>(h, ObjectKind::Pen);
}
inline BrushObject* FindBrush(HANDLE h) {
    return Find<BrushObject>(h, ObjectKind::Brush);
}
inline FontObject* FindFont(HANDLE h) {
    return Find<FontObject>(h, ObjectKind::Font);
}
inline BitmapObject* FindBitmap(HANDLE h) {
    return Find<BitmapObject>(h, ObjectKind::Bitmap);
}
inline RegionObject* FindRegion(HANDLE h) {
    return Find<RegionObject>(h, ObjectKind::Region);
}
inline DcObject* FindDc(HANDLE h) {
    return Find<DcObject>(h, ObjectKind::Dc);
}
inline IconObject* FindIcon(HANDLE h) {
    return Find<IconObject>(h, ObjectKind::Icon);
}

// A new bitmap object around a surface; 0 if the surface is null.
HBITMAP AddBitmap(std::shared_ptr<Surface> surface, bool dibSection);
// A new region object; never fails short of memory.
HRGN AddRegion(Region region);

} // namespace gdi::detail
