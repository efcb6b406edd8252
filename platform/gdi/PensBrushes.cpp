// Pens and brushes.
#include "platform/gdi/gdi.h"
#include "platform/gdi/internal/ColorRules.h"
#include "platform/gdi/internal/Objects.h"

namespace gdi {

using namespace detail;

namespace {

constexpr int kStyleMask = 0x0F;
constexpr int kMaxPenWidth = 4096; // wider pens are refused as absurd

} // namespace

// Width 0 (and negative widths) mean the one-pixel cosmetic pen, as on Windows.
HPEN CreatePen(int style, int width, COLORREF color) {
    const int baseStyle = style & kStyleMask;
    if (baseStyle < PS_SOLID || baseStyle > PS_INSIDEFRAME || width > kMaxPenWidth ||
        !IsImplementedColor(color))
        return 0;
    auto pen = std::make_unique<PenObject>();
    pen->style = baseStyle;
    pen->width = width < 1 ? 1 : width;
    pen->color = color;
    return AddObject(std::move(pen));
}

HBRUSH CreateSolidBrush(COLORREF color) {
    if (!IsImplementedColor(color))
        return 0;
    auto brush = std::make_unique<BrushObject>();
    brush->color = color;
    return AddObject(std::move(brush));
}

// The brush keeps its own copy: the bitmap may be deleted afterwards.
HBRUSH CreatePatternBrush(HBITMAP bitmap) {
    const BitmapObject* source = FindBitmap(bitmap);
    if (!source)
        return 0;
    auto copy = CopySurface(*source->surface);
    if (!copy)
        return 0;
    auto brush = std::make_unique<BrushObject>();
    brush->pattern = std::move(copy);
    return AddObject(std::move(brush));
}

} // namespace gdi
