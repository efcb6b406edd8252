// Device contexts: memory DCs and the screen DC, object selection and the
// colour, mode and mapping state each DC carries.
#include "platform/gdi/gdi.h"
#include "platform/gdi/internal/ColorRules.h"
#include "platform/gdi/internal/Objects.h"

namespace gdi {

using namespace detail;

namespace {

constexpr int kScreenWidth = 1280;
constexpr int kScreenHeight = 1024;

// The screen every GetDC(0) draws on; made once, on first use.
std::shared_ptr<Surface> ScreenSurface() {
    static std::shared_ptr<Surface> screen = CreateSurface(kScreenWidth, kScreenHeight, 32);
    return screen;
}

// Points slot at handle and held at its object, now (null for handle 0),
// and lets go of the object the slot held: the last DC to let go of an
// object deleted while selected frees it.
template <typename T> void Select(HANDLE& slot, T*& held, HANDLE handle, T* now) {
    const HANDLE previous = slot;
    T* old = held;
    if (now)
        ++now->selections;
    slot = handle;
    held = now;
    if (old && --old->selections == 0 && old->deletePending)
        RemoveObject(previous);
}

HDC NewDc(bool isMemory) {
    auto dc = std::make_unique<DcObject>();
    dc->isMemory = isMemory;
    DcObject* raw = dc.get();
    const HDC handle = AddObject(std::move(dc));
    if (!handle)
        return 0;
    const HPEN pen = StockObject(BLACK_PEN);
    const HBRUSH brush = StockObject(WHITE_BRUSH);
    const HFONT font = StockObject(SYSTEM_FONT);
    Select(raw->pen, raw->penObject, pen, FindPen(pen));
    Select(raw->brush, raw->brushObject, brush, FindBrush(brush));
    Select(raw->font, raw->fontObject, font, FindFont(font));
    if (isMemory) {
        const HBITMAP bitmap = DefaultBitmap();
        Select(raw->bitmap, raw->bitmapObject, bitmap, FindBitmap(bitmap));
        raw->surface = raw->bitmapObject->surface;
    } else {
        raw->surface = ScreenSurface();
    }
    return handle;
}

HGDIOBJ SelectBitmap(DcObject& dc, HBITMAP handle, BitmapObject& bitmap) {
    if (!dc.isMemory)
        return 0;
    if (dc.bitmap == handle)
        return handle;
    // A bitmap can be selected into one memory DC at a time (stock ones excepted).
    if (bitmap.selections > 0 && !bitmap.stock)
        return 0;
    const HBITMAP previous = dc.bitmap;
    Select(dc.bitmap, dc.bitmapObject, handle, &bitmap);
    dc.surface = bitmap.surface;
    return previous;
}

} // namespace

HDC CreateCompatibleDC(HDC hdc) {
    if (hdc != 0 && !FindDc(hdc))
        return 0;
    return NewDc(true);
}

BOOL DeleteDC(HDC hdc) {
    DcObject* dc = FindDc(hdc);
    if (!dc)
        return FALSE;
    Select(dc->pen, dc->penObject, 0, static_cast<PenObject*>(nullptr));
    Select(dc->brush, dc->brushObject, 0, static_cast<BrushObject*>(nullptr));
    Select(dc->font, dc->fontObject, 0, static_cast<FontObject*>(nullptr));
    Select(dc->bitmap, dc->bitmapObject, 0, static_cast<BitmapObject*>(nullptr));
    RemoveObject(hdc);
    return TRUE;
}

HDC GetDC(HWND hwnd) {
    if (hwnd != 0 || !ScreenSurface())
        return 0;
    return NewDc(false);
}

int ReleaseDC(HWND hwnd, HDC hdc) {
    DcObject* dc = FindDc(hdc);
    if (hwnd != 0 || !dc || dc->isMemory)
        return 0;
    return DeleteDC(hdc) ? 1 : 0;
}

HGDIOBJ SelectObject(HDC hdc, HGDIOBJ handle) {
    DcObject* dc = FindDc(hdc);
    Object* object = FindObject(handle);
    if (!dc || !object || object->deletePending)
        return 0;
    HANDLE previous = 0;
    switch (object->kind) {
    case ObjectKind::Pen:
        previous = dc->pen;
        Select(dc->pen, dc->penObject, handle, static_cast<PenObject*>(object));
        return previous;
    case ObjectKind::Brush:
        previous = dc->brush;
        Select(dc->brush, dc->brushObject, handle, static_cast<BrushObject*>(object));
        return previous;
    case ObjectKind::Font:
        previous = dc->font;
        Select(dc->font, dc->fontObject, handle, static_cast<FontObject*>(object));
        return previous;
    case ObjectKind::Bitmap:
        return SelectBitmap(*dc, handle, *static_cast<BitmapObject*>(object));
    case ObjectKind::Region:
        return static_cast<HGDIOBJ>(SelectClipRgn(hdc, handle));
    default:
        return 0;
    }
}

HGDIOBJ GetCurrentObject(HDC hdc, UINT type) {
    const DcObject* dc = FindDc(hdc);
    if (!dc)
        return 0;
    switch (type) {
    case OBJ_PEN:
        return dc->pen;
    case OBJ_BRUSH:
        return dc->brush;
    case OBJ_FONT:
        return dc->font;
    case OBJ_BITMAP:
        return dc->bitmap;
    default:
        return 0;
    }
}

// Mode 3 is accepted as a second transparent mode: text and styled lines
// then leave the background untouched, as with TRANSPARENT.
int SetBkMode(HDC hdc, int mode) {
    DcObject* dc = FindDc(hdc);
    if (!dc || mode < TRANSPARENT || mode > 3)
        return 0;
    const int previous = dc->bkMode;
    dc->bkMode = mode;
    return previous;
}

int GetBkMode(HDC hdc) {
    const DcObject* dc = FindDc(hdc);
    return dc ? dc->bkMode : 0;
}

COLORREF SetBkColor(HDC hdc, COLORREF color) {
    DcObject* dc = FindDc(hdc);
    if (!dc || !IsImplementedColor(color))
        return CLR_INVALID;
    const COLORREF previous = dc->bkColor;
    dc->bkColor = color;
    return previous;
}

COLORREF GetBkColor(HDC hdc) {
    const DcObject* dc = FindDc(hdc);
    return dc ? dc->bkColor : CLR_INVALID;
}

COLORREF SetTextColor(HDC hdc, COLORREF color) {
    DcObject* dc = FindDc(hdc);
    if (!dc || !IsImplementedColor(color))
        return CLR_INVALID;
    const COLORREF previous = dc->textColor;
    dc->textColor = color;
    return previous;
}

COLORREF GetTextColor(HDC hdc) {
    const DcObject* dc = FindDc(hdc);
    return dc ? dc->textColor : CLR_INVALID;
}

// Only MM_TEXT (one logical unit = one pixel) is drawn in; other modes are refused.
int SetMapMode(HDC hdc, int mode) {
    DcObject* dc = FindDc(hdc);
    if (!dc || mode != MM_TEXT)
        return 0;
    const int previous = dc->mapMode;
    dc->mapMode = mode;
    return previous;
}

int GetMapMode(HDC hdc) {
    const DcObject* dc = FindDc(hdc);
    return dc ? dc->mapMode : 0;
}

int SetStretchBltMode(HDC hdc, int mode) {
    DcObject* dc = FindDc(hdc);
    if (!dc || mode < BLACKONWHITE || mode > HALFTONE)
        return 0;
    const int previous = dc->stretchMode;
    dc->stretchMode = mode;
    return previous;
}

int GetStretchBltMode(HDC hdc) {
    const DcObject* dc = FindDc(hdc);
    return dc ? dc->stretchMode : 0;
}

} // namespace gdi
