// Figures for the property bag's text form: reading a saved bag grows in
// proportion to its number of keys (a form with many controls, or a damaged
// file with tens of thousands of lines), and so does writing it.
#include "platform/container/PropertyBag.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

// keys entries of the kinds a saved button holds: numbers, colours, text.
std::string BagText(int keys) {
    container::PropertyBag bag;
    for (int i = 0; i < keys; ++i) {
        const std::string key = "Key" + std::to_string(i);
        switch (i % 3) {
        case 0:
            bag.WriteProperty(key, std::int32_t{i});
            break;
        case 1:
            bag.WriteProperty(key, container::Color{i});
            break;
        default:
            bag.WriteProperty(key, "caption " + std::to_string(i));
            break;
        }
    }
    return bag.ToText();
}

void PropertyBagFromText(benchmark::State& state) {
    const std::string text = BagText(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        auto bag = container::PropertyBag::FromText(text);
        benchmark::DoNotOptimize(bag);
    }
    state.SetComplexityN(state.range(0));
}
BENCHMARK(PropertyBagFromText)
    ->RangeMultiplier(4)
    ->Range(625, 40000)
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oN);

void PropertyBagToText(benchmark::State& state) {
    const auto bag = container::PropertyBag::FromText(BagText(static_cast<int>(state.range(0))));
    for (auto _ : state)
        benchmark::DoNotOptimize(bag->ToText());
    state.SetComplexityN(state.range(0));
}
BENCHMARK(PropertyBagToText)
    ->RangeMultiplier(4)
    ->Range(625, 40000)
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oN);

} // namespace
