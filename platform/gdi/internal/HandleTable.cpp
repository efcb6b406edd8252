#include "platform/gdi/internal/Objects.h"
#include "platform/gdi/text/TextEngine.h"

#include <array>
#include <cstring>
#include <vector>

namespace gdi::detail {

namespace {

constexpr int kDefaultBitmapIndex = 19; // internal: DEFAULT_BITMAP has no public index
constexpr HANDLE kMaxSlots = kSlotMask + 1;
static_assert(kFirstHandle + ((kGenerations - 1) << kSlotBits) + kSlotMask < kStockBase);

struct HandleTable {
    std::vector<HandleSlot> slots; // owns the objects of its slots
    // The free slots, a stack of freeCount entries: the last freed is reused
    // first, warm in the cache. It is as long as the slots' storage, so that
    // freeing a slot never allocates.
    std::vector<HANDLE> freeSlots;
    std::size_t freeCount = 0;
    std::array<std::unique_ptr<Object>, kStockCount> stock;
    DWORD gdiCount = 0;
    DWORD userCount = 0;
    bool stockReady = false;
    // The rectangle storage of the last region deleted: the region copies a
    // paint makes and deletes reuse it instead of allocating.
    Region spareRegion;
    bool closing = false;

    HandleTable() = default;
    HandleTable(const HandleTable&) = delete;
    HandleTable& operator=(const HandleTable&) = delete;
    ~HandleTable() {
        handleStore = HandleStore{}; // lookups after the end of the process find nothing
        closing = true;
        for (HandleSlot& slot : slots)
            delete slot.object;
    }
};

// Constant-initialised: ready before any code runs, and no guard on each use.
constinit HandleTable handleTable;

HandleTable& Table() {
    return handleTable;
}

bool IsUserObject(ObjectKind kind) {
    return kind == ObjectKind::Icon;
}

// The slot a created object's handle names, or null when the handle is stale or not one.
HandleSlot* SlotOf(HandleTable& table, HANDLE handle) {
    if (handle < kFirstHandle || handle >= kStockBase)
        return nullptr;
    const HANDLE value = handle - kFirstHandle;
    const HANDLE index = value & kSlotMask;
    if (index >= table.slots.size())
        return nullptr;
    HandleSlot& slot = table.slots[index];
    return slot.object && slot.generation == (value >> kSlotBits) ? &slot : nullptr;
}

void AddStock(HandleTable& table, int index, std::unique_ptr<Object> object) {
    object->stock = true;
    handleStore.stock[index] = object.get();
    table.stock[static_cast<std::size_t>(index)] = std::move(object);
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
    return handleTable;
}

} // namespace

const FontFace& FontObject::Face() const {
    if (!face_)
        face_ = isDefault ? FontFace::Default() : FontFace::Create(logfont);
    return *face_;
}

namespace {

// A slot for a new object when none is free: the table grows by one. Returns
// false when every handle is taken.
[[gnu::noinline]] bool GrowTable(HandleTable& table, HANDLE& index) {
    if (table.slots.size() >= kMaxSlots)
        return false;
    index = static_cast<HANDLE>(table.slots.size());
    table.slots.emplace_back();
    table.freeSlots.resize(table.slots.capacity());
    handleStore.slots = table.slots.data();
    handleStore.slotCount = table.slots.size();
    return true;
}

} // namespace

HANDLE AddObject(std::unique_ptr<Object> object) {
    if (!object)
        return 0;
    // The stock objects need not exist yet: their handles are a range of their own.
    HandleTable& table = Table();
    HANDLE index = 0;
    if (table.freeCount > 0) {
        index = table.freeSlots[--table.freeCount];
    } else if (!GrowTable(table, index)) {
        return 0;
    }
    HandleSlot& slot = table.slots[index];
    (IsUserObject(object->kind) ? table.userCount : table.gdiCount)++;
    slot.object = object.release();
    return kFirstHandle + ((slot.generation << kSlotBits) | index);
}

namespace {

// Frees a slot's object and the slot; the slot's next object gets the next generation.
void FreeSlot(HandleTable& table, HandleSlot& slot) {
    Object* object = slot.object;
    (IsUserObject(object->kind) ? table.userCount : table.gdiCount)--;
    slot.object = nullptr;
    slot.generation = slot.generation + 1 == kGenerations ? 0 : slot.generation + 1;
    table.freeSlots[table.freeCount++] = static_cast<HANDLE>(&slot - table.slots.data());
    delete object;
}

} // namespace

void RemoveObject(HANDLE handle) {
    HandleTable& table = ReadyTable();
    HandleSlot* slot = SlotOf(table, handle);
    if (!slot || slot->object->stock)
        return;
    FreeSlot(table, *slot);
}

void RemoveLiveObject(HANDLE handle) {
    HandleTable& table = Table();
    FreeSlot(table, table.slots[(handle - kFirstHandle) & kSlotMask]);
}

HGDIOBJ StockObject(int index) {
    if (index < 0 || index >= kStockCount || index == kDefaultBitmapIndex)
        return 0;
    HandleTable& table = ReadyTable();
    return table.stock[static_cast<std::size_t>(index)] ? kStockBase + static_cast<HANDLE>(index) : 0;
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

RegionObject::~RegionObject() {
    HandleTable& table = Table();
    if (!table.closing && region.Rects().capacity() >= table.spareRegion.Rects().capacity())
        table.spareRegion = std::move(region);
}

HRGN AddRegion(Region region) {
    auto object = std::make_unique<RegionObject>();
    HandleTable& table = Table();
    if (region.Rects().size() <= table.spareRegion.Rects().capacity()) {
        object->region = std::move(table.spareRegion);
        object->region = region; // a copy into the kept storage
    } else {
        object->region = std::move(region);
    }
    return AddObject(std::move(object));
}

} // namespace gdi::detail
