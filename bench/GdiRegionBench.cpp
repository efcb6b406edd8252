// Region construction and algebra at the sizes the button uses.
#include "platform/gdi/region/Region.h"

#include <benchmark/benchmark.h>

namespace {

using gdi::detail::Region;

void EllipseRegion(benchmark::State& state) {
    const int width = static_cast<int>(state.range(0));
    const int height = static_cast<int>(state.range(1));
    for (auto _ : state) {
        Region ellipse = Region::FromEllipse(0, 0, width, height);
        benchmark::DoNotOptimize(ellipse);
    }
}
BENCHMARK(EllipseRegion)->Args({139, 23})->Args({75, 23})->Args({300, 300});

// The elliptic button's face with a rectangle cut out of it.
void EllipseMinusRect(benchmark::State& state) {
    const int size = static_cast<int>(state.range(0));
    const Region ellipse = Region::FromEllipse(0, 0, size, size);
    const Region hole = Region::FromRect(size / 4, size / 3, size * 3 / 4, size * 2 / 3);
    for (auto _ : state) {
        Region result = Region::Combine(ellipse, hole, gdi::RGN_DIFF);
        benchmark::DoNotOptimize(result);
    }
}
BENCHMARK(EllipseMinusRect)->Arg(23)->Arg(300);

void ButtonEllipseMinusRect(benchmark::State& state) {
    const Region ellipse = Region::FromEllipse(0, 0, 139, 23);
    const Region hole = Region::FromRect(20, 5, 120, 18);
    for (auto _ : state) {
        Region result = Region::Combine(ellipse, hole, gdi::RGN_DIFF);
        benchmark::DoNotOptimize(result);
    }
}
BENCHMARK(ButtonEllipseMinusRect);

// The rectangular button with its four corner pixels cut, built as the
// button builds it: a rectangle and four differences.
void RectangleWithCornerCuts(benchmark::State& state) {
    for (auto _ : state) {
        Region button = Region::FromRect(0, 0, 140, 24);
        for (const auto& [x, y] : {std::pair{0, 0}, {0, 22}, {138, 22}, {138, 0}}) {
            button = Region::Combine(button, Region::FromRect(x, y, x + 1, y + 1), gdi::RGN_DIFF);
        }
        benchmark::DoNotOptimize(button);
    }
}
BENCHMARK(RectangleWithCornerCuts);

void SlantedPolygonRegion(benchmark::State& state) {
    const gdi::POINT points[] = {{0, 0}, {24, 24}, {140, 24}, {116, 0}};
    for (auto _ : state) {
        Region region = Region::FromPolygon(points, 4, gdi::WINDING);
        benchmark::DoNotOptimize(region);
    }
}
BENCHMARK(SlantedPolygonRegion);

// Two large complex regions: an ellipse xor a shifted copy.
void EllipseXorEllipse(benchmark::State& state) {
    const Region a = Region::FromEllipse(0, 0, 300, 300);
    const Region b = Region::FromEllipse(50, 30, 350, 330);
    for (auto _ : state) {
        Region result = Region::Combine(a, b, gdi::RGN_XOR);
        benchmark::DoNotOptimize(result);
    }
}
BENCHMARK(EllipseXorEllipse);

} // namespace
