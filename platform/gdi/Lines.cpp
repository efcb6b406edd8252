// Lines: Polyline, MoveToEx and LineTo. Every segment leaves out its last
// pixel, as Windows does, so joined segments never paint a corner twice.
#include "platform/gdi/gdi.h"
#include "platform/gdi/internal/PenStroke.h"

namespace gdi {

using namespace detail;

namespace {

constexpr int kMaxPolylinePoints = 1 << 20;

} // namespace

BOOL Polyline(HDC hdc, const POINT* points, int count) {
    DcObject* dc = FindDc(hdc);
    if (!dc || !points || count < 2 || count > kMaxPolylinePoints)
        return FALSE;
    PenStroke pen(*dc);
    for (int i = 0; i + 1 < count; ++i) {
        StrokeLine(pen, points[i], points[i + 1]);
    }
    return TRUE;
}

BOOL MoveToEx(HDC hdc, int x, int y, POINT* previous) {
    DcObject* dc = FindDc(hdc);
    if (!dc)
        return FALSE;
    if (previous)
        *previous = dc->position;
    dc->position = POINT{x, y};
    return TRUE;
}

BOOL LineTo(HDC hdc, int x, int y) {
    DcObject* dc = FindDc(hdc);
    if (!dc)
        return FALSE;
    PenStroke pen(*dc);
    StrokeLine(pen, dc->position, POINT{x, y});
    dc->position = POINT{x, y};
    return TRUE;
}

} // namespace gdi
