// Figures for the rendering core at the main window's button sizes:
// picture preparation, shape regions per shape, and caption layout.
#include "control/model/ztButtons_H.h"
#include "control/render/ButtonImage.h"
#include "control/render/ButtonRegion.h"
#include "control/render/DrawingState.h"
#include "control/render/Layout.h"
#include "control/stage/HeadlessButton.h"
#include "control/stage/TopDownDib.h"
#include "bench/BenchButtons.h"

#include <benchmark/benchmark.h>

#include <memory>
#include <string>

namespace {

using bench_buttons::MakeKeyedPicture;

control_stage::StagePlacement BenchPlacement(int width, int height) {
    control_stage::StagePlacement placement;
    placement.width = width;
    placement.height = height;
    placement.siteName = "cmdBench";
    return placement;
}

// One button on a headless form, sized and with its surface built.
class BenchButton {
public:
    BenchButton(int width, int height) : stage_(BenchPlacement(width, height)) {
        ztButtons_H& button = stage_.Button();
        button.BackColor = static_cast<OleColor>(0xDDC07A);
        button.CaptionAlign = CaptionAlignValue::Center;
        button.PictureSizePx = 16;
        UpdateDrawingState(button, "BackColor");
        button.DrawingDelayed = True;  // surface only; the figures time the procedures themselves
        button.Resize();
        button.DrawingDelayed = False;
    }

    ztButtons_H& Button() { return stage_.Button(); }

private:
    control_stage::HeadlessButton stage_;
};

void GivePicture(ztButtons_H& button, picture::PicturePtr picture) {
    button.Picture = std::move(picture);
    UpdateDrawingState(button, "Picture");
}

void BM_PrepareButtonImage(benchmark::State& state) {
    const int width = static_cast<int>(state.range(0));
    const int height = static_cast<int>(state.range(1));
    BenchButton bench(width, height);
    ztButtons_H& button = bench.Button();
    GivePicture(button, MakeKeyedPicture(width, height));
    for (auto _ : state) {
        PrepareButtonImage(button, width, height, 0);
        benchmark::DoNotOptimize(button.ImageHandle);
    }
    state.SetItemsProcessed(state.iterations() * (width + 1) * (height + 1));
}
BENCHMARK(BM_PrepareButtonImage)->Args({48, 48})->Args({139, 23})->Unit(benchmark::kMicrosecond);

// The custom-shape path: the same pass also cuts the window, face and inner regions.
void BM_PrepareButtonImageWithRegion(benchmark::State& state) {
    const int width = static_cast<int>(state.range(0));
    const int height = static_cast<int>(state.range(1));
    BenchButton bench(width, height);
    ztButtons_H& button = bench.Button();
    GivePicture(button, MakeKeyedPicture(width, height));
    for (auto _ : state) {
        const gdi::HRGN region = gdi::CreateRectRgn(0, 0, width, height);
        PrepareButtonImage(button, width, height, region);
        gdi::DeleteObject(region);
        gdi::DeleteObject(button.FaceRegion);
        gdi::DeleteObject(button.InnerRegion);
        button.FaceRegion = 0;
        button.InnerRegion = 0;
    }
}
BENCHMARK(BM_PrepareButtonImageWithRegion)->Args({48, 48})->Args({139, 23})->Unit(benchmark::kMicrosecond);

// Shapes 0 to 8 at the sizes of cmdDateTime (105 x 21), cmdHomePage (139 x 23)
// and cmdCeShi (181 x 21), in the style each button uses (2, 6, 0).
void BM_CreateButtonRegion(benchmark::State& state) {
    const Long shape = static_cast<Long>(state.range(0));
    const int width = static_cast<int>(state.range(1));
    const int height = static_cast<int>(state.range(2));
    BenchButton bench(width, height);
    ztButtons_H& button = bench.Button();
    button.ButtonStyle = width == 105 ? 2 : width == 139 ? 6 : 0;
    button.ButtonShape = shape;
    if (shape >= ButtonShapeValue::Custom) {
        GivePicture(button, MakeKeyedPicture(width, height));
        button.PictureSizePx = 48;
    }
    CreateButtonRegion(button);  // settles any widening or resizing first
    for (auto _ : state) CreateButtonRegion(button);
    state.SetLabel(std::to_string(width) + "x" + std::to_string(height) + " shape " + std::to_string(shape));
}
void RegionArguments(benchmark::internal::Benchmark* benchmark) {
    const int sizes[3][2] = {{105, 21}, {139, 23}, {181, 21}};
    for (const auto& size : sizes) {
        for (int shape = 0; shape <= 8; ++shape) benchmark->Args({shape, size[0], size[1]});
    }
}
BENCHMARK(BM_CreateButtonRegion)->Apply(RegionArguments)->Unit(benchmark::kMicrosecond);

// The three captions of the main window on their buttons.
void BM_LayoutCaptionAndImage(benchmark::State& state) {
    struct Case {
        const char* caption;
        int width;
        int height;
        Long shape;
    };
    static const Case cases[3] = {{"获取标准时间", 105, 21, ButtonShapeValue::Rectangle},
                                  {"www.dunmora-desk.example", 139, 23, ButtonShapeValue::Ellipse},
                                  {"测试上面的地址，有效的放下面", 181, 21, ButtonShapeValue::Rectangle}};
    const Case& c = cases[state.range(0)];
    BenchButton bench(c.width, c.height);
    ztButtons_H& button = bench.Button();
    button.CaptionText = c.caption;
    button.ButtonShape = c.shape;
    CreateButtonRegion(button);
    for (auto _ : state) {
        LayoutCaptionAndImage(button, false);
        benchmark::DoNotOptimize(button.CaptionRect);
    }
    state.SetLabel(c.caption);
}
BENCHMARK(BM_LayoutCaptionAndImage)->DenseRange(0, 2)->Unit(benchmark::kMicrosecond);

}  // namespace
