// Figures for loading pictures of up to 1 MB, the crafted ones that used to
// cost hundreds of megabytes and seconds, and legitimate ones at the size
// limit: the time per load (CPU time is the figure to read on a shared
// machine), and the peak memory one load adds to the process.
#include "platform/picture/Picture.h"
#include "platform/picture/tests/PictureTestSupport.h"

#include <benchmark/benchmark.h>

#include <malloc.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <functional>
#include <string>

namespace {

using picture::testing::Bytes;

void SetLittle(Bytes& bytes, std::size_t at, std::uint32_t value, int count) {
    for (int i = 0; i < count; ++i)
        bytes[at + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(value >> (8 * i));
}

long StatusKilobytes(const char* field) {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind(field, 0) == 0)
            return std::atol(line.c_str() + std::strlen(field));
    return 0;
}

// How many MB the peak resident size rises above the present one while work
// runs: freed memory is handed back first and the kernel's peak mark reset.
double AddedPeakMegabytes(const std::function<void()>& work) {
    ::malloc_trim(0);
    std::ofstream("/proc/self/clear_refs") << "5";
    const long before = StatusKilobytes("VmRSS:");
    work();
    return static_cast<double>(StatusKilobytes("VmHWM:") - before) / 1024.0;
}

void Load(benchmark::State& state, const Bytes& bytes) {
    bool loaded = false;
    for (auto _ : state) {
        const picture::PicturePtr picture = picture::LoadPictureBytes(bytes);
        loaded = picture != nullptr;
        benchmark::DoNotOptimize(picture);
    }
    state.counters["input_KB"] = static_cast<double>(bytes.size()) / 1024.0;
    state.counters["added_peak_MB"] = AddedPeakMegabytes([&] { picture::LoadPictureBytes(bytes); });
    state.counters["decoded"] = loaded ? 1 : 0;
}

Bytes HugeScreenGif() {
    Bytes gif = picture::testing::MakeGif(1, 1, {qRgb(0, 0, 0), qRgb(255, 0, 0), 0, 0}, {1});
    SetLittle(gif, 6, 32767, 2);
    SetLittle(gif, 8, 1000, 2);
    return gif;
}

Bytes HugeTopDownBmp() {
    Bytes bmp = picture::testing::Encode(picture::testing::Quadrants(), "bmp");
    bmp.resize(118);
    SetLittle(bmp, 18, 32767, 4);
    SetLittle(bmp, 22, static_cast<std::uint32_t>(-1000), 4);
    return bmp;
}

Bytes PngWithHugeTextChunk() {
    Bytes png = picture::testing::Encode(picture::testing::Quadrants(), "png");
    const Bytes chunk = {0x7F, 0xFF, 0xFF, 0xF0, 't', 'E', 'X', 't', 'C',
                         'o',  'm',  'm',  'e',  'n', 't', 0,   'x'};
    png.insert(png.end() - 12, chunk.begin(), chunk.end());
    return png;
}

// The largest pictures accepted (2048 x 1024), in files of at most 1 MB.
QImage Noise(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    std::uint32_t seed = 1;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            seed = seed * 1664525u + 1013904223u;
            image.setPixel(x, y, (x * 255 / width) << 16 | (y * 255 / height) << 8 | ((seed >> 24) & 0x7));
        }
    return image;
}

Bytes LargestPng() {
    return picture::testing::Encode(Noise(2048, 1024), "png");
}

Bytes LargestJpeg() {
    return picture::testing::Encode(Noise(2048, 1024), "jpeg", 50);
}

Bytes LargestMonochromeBmp() {
    return picture::testing::Encode(Noise(2048, 1024).convertToFormat(QImage::Format_Mono), "bmp");
}

} // namespace

BENCHMARK_CAPTURE(Load, gif_screen_32767x1000, HugeScreenGif())->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Load, bmp_top_down_32767x1000, HugeTopDownBmp())->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Load, png_2GB_text_chunk, PngWithHugeTextChunk())->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Load, png_2048x1024, LargestPng())->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Load, jpeg_2048x1024, LargestJpeg())->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Load, bmp_1bit_2048x1024, LargestMonochromeBmp())->Unit(benchmark::kMillisecond);
