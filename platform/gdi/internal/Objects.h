// The object model behind the handles: every pen, brush, font, bitmap, region,
// device context and icon lives in one handle table, found by index. A handle
// carries its slot's generation, so a stale handle is simply unknown even
// after its slot holds a new object. Stock objects sit in the same table but
// are not counted and cannot be deleted.
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

#include <cstddef>
#include <memory>
#include <optional>

namespace gdi::detail {

class FontFace;

// Pens, brushes, regions, bitmaps and memory DCs are made and deleted several
// times in every paint: their memory goes back to a free list of the type and
// the next object of that type takes it, instead of a round trip to the heap.
// Like the handle table, the lists belong to the user-interface thread.
template <typename T> struct Pooled {
    static void* operator new(std::size_t size) {
        if (size == sizeof(T) && freeList_) {
            FreeBlock* block = freeList_;
            freeList_ = block->next;
            return block;
        }
        return ::operator new(size);
    }
    static void operator delete(void* memory, std::size_t size) {
        if (size != sizeof(T)) {
            ::operator delete(memory);
            return;
        }
        auto* block = static_cast<FreeBlock*>(memory);
        block->next = freeList_;
        freeList_ = block;
    }

  private:
    struct FreeBlock {
        FreeBlock* next;
    };
    static inline FreeBlock* freeList_ = nullptr;
};

enum class ObjectKind { Pen, Brush, Font, Bitmap, Region, Dc, Icon };

struct Object {
    explicit Object(ObjectKind k) : kind(k) {}
    virtual ~Object() = default;
    ObjectKind kind;
    bool stock = false;
    int selections = 0;         // number of DCs this object is selected into
    bool deletePending = false; // deleted while selected: freed when the last DC lets go
};

struct PenObject : Object, Pooled<PenObject> {
    PenObject() : Object(ObjectKind::Pen) {}
    int style = PS_SOLID;
    int width = 1;
    COLORREF color = 0;
};

struct BrushObject : Object, Pooled<BrushObject> {
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

struct BitmapObject : Object, Pooled<BitmapObject> {
    BitmapObject() : Object(ObjectKind::Bitmap) {}
    std::shared_ptr<Surface> surface;
    bool dibSection = false;
};

struct RegionObject : Object, Pooled<RegionObject> {
    RegionObject() : Object(ObjectKind::Region) {}
    ~RegionObject() override; // leaves the storage of its rectangles to the next region made
    Region region;
};

struct DcObject : Object, Pooled<DcObject> {
    DcObject() : Object(ObjectKind::Dc) {}
    bool isMemory = true; // false: a screen DC from GetDC(0)
    HBITMAP bitmap = 0;   // memory DCs only
    HPEN pen = 0;
    HBRUSH brush = 0;
    HFONT font = 0;
    // The objects behind the four handles above. An object stays alive while
    // it is selected, so these never dangle and drawing needs no lookup.
    BitmapObject* bitmapObject = nullptr;
    PenObject* penObject = nullptr;
    BrushObject* brushObject = nullptr;
    FontObject* fontObject = nullptr;
    std::shared_ptr<Surface> surface; // what the DC draws on
    COLORREF textColor = RGB(0, 0, 0);
    COLORREF bkColor = RGB(255, 255, 255);
    int bkMode = OPAQUE;
    int mapMode = MM_TEXT;
    int stretchMode = BLACKONWHITE;
    POINT position{0, 0};
    std::optional<Region> clip; // device coordinates; none: the whole surface
    Region spareClip;           // a removed clip's storage, kept for the next one
};

struct IconObject : Object {
    IconObject() : Object(ObjectKind::Icon) {}
    bool isIcon = true;
    DWORD xHotspot = 0;
    DWORD yHotspot = 0;
    std::shared_ptr<Surface> mask;  // 1 bpp; twice the height for monochrome icons
    std::shared_ptr<Surface> color; // null for monochrome icons
    bool hasAlpha = false;          // the colour image has top bytes other than 0
    int Width() const { return mask->width; }
    int Height() const { return color ? mask->height : mask->height / 2; }
};

// The handle table's storage as the lookup below reads it; HandleTable.cpp
// owns the objects and keeps this view current. Stock handles are
// kStockBase + their index. A created object's handle is its slot and the
// slot's generation: kFirstHandle + (generation << kSlotBits | slot). A freed
// slot is reused by the next object with the next generation, so the old
// handle stays unknown (until the generation wraps, after kGenerations
// reuses of that one slot).
constexpr HANDLE kStockBase = 0x80000000u;
constexpr int kStockCount = 20;
constexpr HANDLE kFirstHandle = 0x100; // small values stay free for "system colour + 1" brushes
constexpr int kSlotBits = 20;
constexpr HANDLE kSlotMask = (HANDLE{1} << kSlotBits) - 1;
constexpr HANDLE kGenerations =
    (kStockBase - kFirstHandle) >> kSlotBits; // handles stay below the stock range

struct HandleSlot {
    Object* object = nullptr; // null while the slot is free
    HANDLE generation = 0;
};
struct HandleStore {
    const HandleSlot* slots = nullptr;
    std::size_t slotCount = 0;
    Object* stock[kStockCount] = {};
};
inline HandleStore handleStore;

// Adds an object and returns its new handle (0 if the object is null).
HANDLE AddObject(std::unique_ptr<Object> object);
// The object behind a handle, or null for 0 and unknown handles: an index
// into the table and a compare of the generation.
inline Object* FindObject(HANDLE handle) {
    if (handle >= kStockBase) {
        const HANDLE index = handle - kStockBase;
        return index < kStockCount ? handleStore.stock[index] : nullptr;
    }
    if (handle < kFirstHandle)
        return nullptr;
    const HANDLE value = handle - kFirstHandle;
    const HANDLE index = value & kSlotMask;
    if (index >= handleStore.slotCount)
        return nullptr;
    const HandleSlot& slot = handleStore.slots[index];
    return slot.generation == (value >> kSlotBits) ? slot.object : nullptr;
}
void RemoveObject(HANDLE handle);
// RemoveObject for a handle just found to name a live object that is not a
// stock one: the short road of DeleteObject, without a second lookup.
void RemoveLiveObject(HANDLE handle);
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
