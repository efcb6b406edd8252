// RedrawButton for every style on the three main-window button sizes in the
// normal, hover and pushed states, and the live drawing-object count across
// 100 000 redraws (it must not grow).
#include "control/model/ztButtons_H.h"
#include "control/paint/RedrawButton.h"
#include "control/render/DrawingState.h"
#include "control/stage/HeadlessButton.h"
#include "bench/BenchButtons.h"

#include <benchmark/benchmark.h>

#include <array>
#include <memory>
#include <string>

namespace {

using bench_buttons::kButtons;
using bench_buttons::MainWindowButton;


enum class PaintState { Normal = 0, Hover = 1, Pushed = 2 };

control_stage::StagePlacement PlacementOf(const MainWindowButton& mainButton) {
    control_stage::StagePlacement placement;
    placement.width = mainButton.width;
    placement.height = mainButton.height;
    return placement;
}

// A main-window button on its own headless window system, form and site.
class BenchButton {
public:
    BenchButton(const MainWindowButton& mainButton, Long style) : stage_(PlacementOf(mainButton)) {
        ztButtons_H& button = stage_.Button();
        button.CaptionText = mainButton.caption;
        button.CaptionAlign = CaptionAlignValue::Center;
        button.BackColor = mainButton.backColor;
        button.HoverBackColor = 0xC0FFC0;
        button.HoverForeColor = SystemColorValue::ButtonText;
        button.GradientColor = 0;
        button.ShowFocusRect = True;
        button.PictureSizePx = 16;
        button.ButtonStyle = style;
        UpdateDrawingState(button, "BackColor");
        button.Resize();
    }

    ztButtons_H& Button() { return stage_.Button(); }

    void SetState(PaintState state) {
        ztButtons_H& button = stage_.Button();
        const bool hovering = state != PaintState::Normal;
        const bool pushed = state == PaintState::Pushed;
        button.IsHovering = ToBoolean(hovering);
        button.IsPressing = ToBoolean(pushed);
        Integer flags = static_cast<Integer>(button.StateFlags & ~StateFlagBits::Pushed);
        if (hovering) flags = static_cast<Integer>(flags | StateFlagBits::PointerInside);
        if (pushed) flags = static_cast<Integer>(flags | StateFlagBits::ButtonHeld);
        button.StateFlags = flags;
    }

private:
    control_stage::HeadlessButton stage_;
};

const char* StateName(PaintState state) {
    switch (state) {
    case PaintState::Hover: return "hover";
    case PaintState::Pushed: return "pushed";
    default: return "normal";
    }
}

// Args: style 0-7, main-window button 0-2, state 0 normal / 1 hover / 2 pushed.
void BM_RedrawButton(benchmark::State& state) {
    const auto style = static_cast<Long>(state.range(0));
    const MainWindowButton& mainButton = kButtons[static_cast<std::size_t>(state.range(1))];
    const auto paintState = static_cast<PaintState>(state.range(2));
    BenchButton bench(mainButton, style);
    bench.SetState(paintState);
    for (auto _ : state) {
        RedrawButton(bench.Button());
        benchmark::ClobberMemory();
    }
    state.SetLabel("style " + std::to_string(style) + " " + std::to_string(mainButton.width) + "x" +
                   std::to_string(mainButton.height) + " " + StateName(paintState));
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_RedrawButton)->ArgsProduct({{0, 1, 2, 3, 4, 5, 6, 7}, {0, 1, 2}, {0, 1, 2}})->Unit(benchmark::kMicrosecond);

// 100 000 redraws spread over every style and state of the largest button:
// the live drawing-object count after equals the count before.
void BM_LiveObjectsAcross100000Redraws(benchmark::State& state) {
    constexpr int kRedraws = 100000;
    for (auto _ : state) {
        BenchButton bench(kButtons[2], 0);
        ztButtons_H& button = bench.Button();
        const gdi::DWORD before = gdi::GetGuiResources(gdi::GetCurrentProcess(), gdi::GR_GDIOBJECTS);
        for (int i = 0; i < kRedraws; ++i) {
            button.ButtonStyle = (i / 3) % 8;
            bench.SetState(static_cast<PaintState>(i % 3));
            RedrawButton(button);
        }
        const gdi::DWORD after = gdi::GetGuiResources(gdi::GetCurrentProcess(), gdi::GR_GDIOBJECTS);
        state.counters["objects_before"] = static_cast<double>(before);
        state.counters["objects_after"] = static_cast<double>(after);
        state.counters["objects_leaked"] = static_cast<double>(after) - static_cast<double>(before);
    }
}
BENCHMARK(BM_LiveObjectsAcross100000Redraws)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace
