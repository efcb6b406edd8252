#include "platform/gdi/internal/Objects.h"
#include "platform/gdi/text/TextEngine.h"

#include <cstring>
#include <unordered_map>

namespace gdi::detail {

namespace {

// Stock handles live in their own range so they can never collide with
// created objects (and small values stay free for "system colour + 1" brushes).
constexpr HANDLE kStockBase = 0x80000000u;
constexpr int kStockCount = 20;
constexpr int kDefaultBitmapIndex = 19; // internal: DEFAULT_BITMAP has no public index

struct HandleTable {
    std::unordered_map<HANDLE, std::unique_ptr<Object>> objects;
    HANDLE next = 0x100;
    DWORD gdiCount = 0;
    DWORD userCount = 0;
    bool stockReady = false;
};

HandleTable& Table() {
    static HandleTable table;
    return table;
}

bool IsUserObject(ObjectKind kind) {
    return kind == ObjectKind::Icon;
}

HANDLE NextHandle(HandleTable& table) {
    // Handles only grow; skipping the stock range keeps them apart.
    HANDLE handle = table.next++;
    if (table.next >= kStockBase)
        table.next = 0x100;
    while (table.objects.count(handle) != 0)
        handle = table.next++;
    return handle;
}

void AddStock(HandleTable& table, int index, std::unique_ptr<Object> object) {
    object->stock = true;
    table.objects[kStockBase + static_cast<HANDLE>(index)] = std::move(object);
}

std::unique_ptr<Object> StockBrush(COLORREF color, bool hollow) {
    auto brush = std::make_unique<BrushObject>();
    brush->color = color;
    brush->hollow = hollow;
    return brush;
}

std::unique_ptr<Object> StockPen(COLORREF color, int style) {
    auto pen = std::make_unique<PenObject>();
    pen->color = color;
    pen->style = style;
    return pen;
}

std::unique_ptr<Object> StockFont(LONG height, const char* face, bool isDefault) {
    auto font = std::make_unique<FontObject>();
    font->logfont.lfHeight = height;
    font->logfont.lfWeight = FW_NORMAL;
    font->logfont.lfCharSet = DEFAULT_CHARSET;
    std::strncpy(font->logfont.lfFaceName, face, LF_FACESIZE - 1);
    font->isDefault = isDefault;
    return font;
}

void CreateStockObjects(HandleTable& table) {
    table.stockReady = true;
    AddStock(table, WHITE_BRUSH, StockBrush(RGB(255, 255, 255), false));
    AddStock(table, LTGRAY_BRUSH, StockBrush(RGB(192, 192, 192), false));
    AddStock(table, GRAY_BRUSH, StockBrush(RGB(128, 128, 128), false));
    AddStock(table, DKGRAY_BRUSH, StockBrush(RGB(64, 64, 64), false));
    AddStock(table, BLACK_BRUSH, StockBrush(RGB(0, 0, 0), false));
    AddStock(table, NULL_BRUSH, StockBrush(RGB(0, 0, 0), true));
    AddStock(table, WHITE_PEN, StockPen(RGB(255, 255, 255), PS_SOLID));
    AddStock(table, BLACK_PEN, StockPen(RGB(0, 0, 0), PS_SOLID));
    AddStock(table, NULL_PEN, StockPen(RGB(0, 0, 0), PS_NULL));
    AddStock(table, SYSTEM_FONT, StockFont(0, "", true));
    AddStock(table, DEFAULT_GUI_FONT, StockFont(-11, "MS Shell Dlg", false));
    auto bitmap = std::make_unique<BitmapObject>();
    bitmap->surface = CreateSurface(1, 1, 1, 2);
    AddStock(table, kDefaultBitmapIndex, std::move(bitmap));
}

HandleTable& ReadyTable() {
    HandleTable& table = Table();
    if (!table.stockReady)
        CreateStockObjects(table);
    return table;
}

} // namespace

const FontFace& FontObject::Face() const {
    if (!face_)
        face_ = isDefault ? FontFace::Default() : FontFace::Create(logfont);
    return *face_;
}

HANDLE AddObject(std::unique_ptr<Object> object) {
    if (!object)
        return 0;
    HandleTable& table = ReadyTable();
    const HANDLE handle = NextHandle(table);
    (IsUserObject(object->kind) ? table.userCount : table.gdiCount)++;
    table.objects[handle] = std::move(object);
    return handle;
}

Object* FindObject(HANDLE handle) {
    if (handle == 0)
        return nullptr;
    HandleTable& table = ReadyTable();
    auto it = table.objects.find(handle);
    return it == table.objects.end() ? nullptr : it->second.get();
}

void RemoveObject(HANDLE handle) {
    HandleTable& table = ReadyTable();
    auto it = table.objects.find(handle);
    if (it == table.objects.end() || it->second->stock)
        return;
    (IsUserObject(it->second->kind) ? table.userCount : table.gdiCount)--;
    table.objects.erase(it);
}

HGDIOBJ StockObject(int index) {
    if (index < 0 || index >= kStockCount || index == kDefaultBitmapIndex)
        return 0;
    HandleTable& table = ReadyTable();
    const HANDLE handle = kStockBase + static_cast<HANDLE>(index);
    return table.objects.count(handle) != 0 ? handle : 0;
}

HBITMAP DefaultBitmap() {
    ReadyTable();
    return kStockBase + kDefaultBitmapIndex;
}

DWORD LiveObjectCount(bool userObjects) {
    HandleTable& table = ReadyTable();
    return userObjects ? table.userCount : table.gdiCount;
}

HBITMAP AddBitmap(std::shared_ptr<Surface> surface, bool dibSection) {
    if (!surface)
        return 0;
    auto bitmap = std::make_unique<BitmapObject>();
    bitmap->surface = std::move(surface);
    bitmap->dibSection = dibSection;
    return AddObject(std::move(bitmap));
}

HRGN AddRegion(Region region) {
    auto object = std::make_unique<RegionObject>();
    object->region = std::move(region);
    return AddObject(std::move(object));
}

} // namespace gdi::detail
