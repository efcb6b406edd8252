// Wide pens on a small bitmap: the cost must follow the pixels a pen covers,
// not its width (a pen of 4096 pixels on 64 x 32 once took seconds).
#include "platform/gdi/gdi.h"

#include <benchmark/benchmark.h>

namespace {

using namespace gdi;

enum class Shape { Ellipse, Arc, Line };

void WidePen(benchmark::State& state, Shape shape) {
    const int width = static_cast<int>(state.range(0));
    HDC screen = GetDC(0);
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, 64, 32);
    ReleaseDC(0, screen);
    HGDIOBJ oldBitmap = SelectObject(dc, bitmap);
    HPEN pen = CreatePen(PS_SOLID, width, RGB(200, 30, 30));
    HGDIOBJ oldPen = SelectObject(dc, pen);
    for (auto _ : state) {
        switch (shape) {
        case Shape::Ellipse:
            Ellipse(dc, 4, 4, 60, 28);
            break;
        case Shape::Arc:
            Arc(dc, 4, 4, 60, 28, 60, 16, 4, 16);
            break;
        case Shape::Line:
            MoveToEx(dc, -10, -5, nullptr);
            LineTo(dc, 70, 40);
            break;
        }
        benchmark::ClobberMemory();
    }
    SelectObject(dc, oldPen);
    DeleteObject(pen);
    SelectObject(dc, oldBitmap);
    DeleteObject(bitmap);
    DeleteDC(dc);
}

void BM_WidePenEllipse(benchmark::State& state) { WidePen(state, Shape::Ellipse); }
void BM_WidePenArc(benchmark::State& state) { WidePen(state, Shape::Arc); }
void BM_WidePenLineTo(benchmark::State& state) { WidePen(state, Shape::Line); }

BENCHMARK(BM_WidePenEllipse)->Arg(3)->Arg(256)->Arg(4096)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WidePenArc)->Arg(3)->Arg(256)->Arg(4096)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WidePenLineTo)->Arg(3)->Arg(256)->Arg(4096)->Unit(benchmark::kMillisecond);

} // namespace
