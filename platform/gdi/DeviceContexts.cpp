// Device contexts: memory DCs and the screen DC, object selection and the
// colour, mode and mapping state each DC carries.
#include "platform/gdi/gdi.h"
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

// Points slot at handle, whose object (if any) is now, and lets go of the
// object the slot held.
void Select(HANDLE& slot, HANDLE handle, Object* now) {
    const HANDLE previous = slot;
    if (now)
        ++now->selections;
    slot = handle;
    if (Object* old = FindObject(previous)) {
        if (--old->selections == 0 && old->deletePending)
            RemoveObject(previous);
    }
}

void Select(HANDLE& slot, HANDLE handle) {
    Select(slot, handle, FindObject(handle));
}

HDC NewDc(bool isMemory) {
    auto dc = std::make_unique<DcObject>();
    dc->isMemory = isMemory;
    DcObject* raw = dc.get();
    const HDC handle = AddObject(std::move(dc));
    if (!handle)
        return 0;
    Select(raw->pen, StockObject(BLACK_PEN));
    Select(raw->brush, StockObject(WHITE_BRUSH));
    Select(raw->font, StockObject(SYSTEM_FONT));
    if (isMemory) {
        Select(raw->bitmap, DefaultBitmap());
        raw->surface = FindBitmap(raw->bitmap)->surface;
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
    Select(dc.bitmap, handle);
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
    Select(dc->pen, 0);
    Select(dc->brush, 0);
    Select(dc->font, 0);
    Select(dc->bitmap, 0);
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
        Select(dc->pen, handle, object);
        return previous;
    case ObjectKind::Brush:
        previous = dc->brush;
        Select(dc->brush, handle, object);
        return previous;
    case ObjectKind::Font:
        previous = dc->font;
        Select(dc->font, handle, object);
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
    if (!dc)
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
    if (!dc)
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
