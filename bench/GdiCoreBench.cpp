// Drawing-layer throughput: solid fills and plain copies against memset and
// memcpy of the same bytes (goal: within 2x), a ternary raster operation
// with a brush (the button's disabled look, 0xB8074A), and StretchBlt.
#include "platform/gdi/gdi.h"

#include <benchmark/benchmark.h>

#include <cstring>
#include <vector>

namespace {

using namespace gdi;

// A memory DC with a 32-bit bitmap of the given size.
class Surface {
  public:
    Surface(int width, int height) {
        HDC screen = GetDC(0);
        dc_ = CreateCompatibleDC(screen);
        bitmap_ = CreateCompatibleBitmap(screen, width, height);
        ReleaseDC(0, screen);
        old_ = SelectObject(dc_, bitmap_);
    }
    ~Surface() {
        SelectObject(dc_, old_);
        DeleteObject(bitmap_);
        DeleteDC(dc_);
    }
    HDC Dc() const { return dc_; }

  private:
    HDC dc_;
    HBITMAP bitmap_;
    HGDIOBJ old_;
};

void SetSurfaceBytes(benchmark::State& state, int width, int height) {
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * width * height * 4);
}

void BM_FillRect(benchmark::State& state) {
    const int width = static_cast<int>(state.range(0)), height = static_cast<int>(state.range(1));
    Surface surface(width, height);
    HBRUSH brush = CreateSolidBrush(RGB(240, 240, 240));
    RECT all{0, 0, width, height};
    for (auto _ : state) {
        FillRect(surface.Dc(), &all, brush);
        benchmark::ClobberMemory();
    }
    DeleteObject(brush);
    SetSurfaceBytes(state, width, height);
}

void BM_Memset(benchmark::State& state) {
    const int width = static_cast<int>(state.range(0)), height = static_cast<int>(state.range(1));
    std::vector<std::uint32_t> pixels(static_cast<std::size_t>(width) * height);
    for (auto _ : state) {
        std::memset(pixels.data(), 0xF0, pixels.size() * 4);
        benchmark::DoNotOptimize(pixels.data());
        benchmark::ClobberMemory();
    }
    SetSurfaceBytes(state, width, height);
}

void BM_BitBltSrcCopy(benchmark::State& state) {
    const int width = static_cast<int>(state.range(0)), height = static_cast<int>(state.range(1));
    Surface source(width, height), dest(width, height);
    for (auto _ : state) {
        BitBlt(dest.Dc(), 0, 0, width, height, source.Dc(), 0, 0, SRCCOPY);
        benchmark::ClobberMemory();
    }
    SetSurfaceBytes(state, width, height);
}

void BM_Memcpy(benchmark::State& state) {
    const int width = static_cast<int>(state.range(0)), height = static_cast<int>(state.range(1));
    std::vector<std::uint32_t> source(static_cast<std::size_t>(width) * height, 7), dest(source.size());
    for (auto _ : state) {
        std::memcpy(dest.data(), source.data(), source.size() * 4);
        benchmark::DoNotOptimize(dest.data());
        benchmark::ClobberMemory();
    }
    SetSurfaceBytes(state, width, height);
}

void BM_BitBltTernaryB8074A(benchmark::State& state) {
    const int width = static_cast<int>(state.range(0)), height = static_cast<int>(state.range(1));
    Surface source(width, height), dest(width, height);
    HBRUSH grey = CreateSolidBrush(RGB(128, 128, 128));
    HGDIOBJ old = SelectObject(dest.Dc(), grey);
    for (auto _ : state) {
        BitBlt(dest.Dc(), 0, 0, width, height, source.Dc(), 0, 0, 0xB8074A);
        benchmark::ClobberMemory();
    }
    SelectObject(dest.Dc(), old);
    DeleteObject(grey);
    SetSurfaceBytes(state, width, height);
}

// Source half the destination's size in each direction (a picture scaled up).
void BM_StretchBlt(benchmark::State& state) {
    const int width = static_cast<int>(state.range(0)), height = static_cast<int>(state.range(1));
    Surface source(width / 2, height / 2), dest(width, height);
    for (auto _ : state) {
        StretchBlt(dest.Dc(), 0, 0, width, height, source.Dc(), 0, 0, width / 2, height / 2, SRCCOPY);
        benchmark::ClobberMemory();
    }
    SetSurfaceBytes(state, width, height);
}

// The same picture stretched with HALFTONE interpolation, and shrunk back to a third.
void BM_StretchBltHalftone(benchmark::State& state) {
    const int width = static_cast<int>(state.range(0)), height = static_cast<int>(state.range(1));
    Surface source(width / 2, height / 2), dest(width, height);
    SetStretchBltMode(dest.Dc(), HALFTONE);
    SetStretchBltMode(source.Dc(), HALFTONE);
    for (auto _ : state) {
        StretchBlt(dest.Dc(), 0, 0, width, height, source.Dc(), 0, 0, width / 2, height / 2, SRCCOPY);
        StretchBlt(source.Dc(), 0, 0, width / 6, height / 6, dest.Dc(), 0, 0, width, height, SRCCOPY);
        benchmark::ClobberMemory();
    }
    SetSurfaceBytes(state, width, height);
}

void BM_MonoMaskToColourSrcAnd(benchmark::State& state) {
    const int width = static_cast<int>(state.range(0)), height = static_cast<int>(state.range(1));
    Surface dest(width, height);
    HDC mono = CreateCompatibleDC(0);
    HBITMAP mask = CreateBitmap(width, height, 1, 1, nullptr);
    HGDIOBJ old = SelectObject(mono, mask);
    for (auto _ : state) {
        BitBlt(dest.Dc(), 0, 0, width, height, mono, 0, 0, SRCAND);
        benchmark::ClobberMemory();
    }
    SelectObject(mono, old);
    DeleteObject(mask);
    DeleteDC(mono);
    SetSurfaceBytes(state, width, height);
}

#define SURFACE_SIZES Args({139, 23})->Args({1280, 1024})
BENCHMARK(BM_FillRect)->SURFACE_SIZES;
BENCHMARK(BM_Memset)->SURFACE_SIZES;
BENCHMARK(BM_BitBltSrcCopy)->SURFACE_SIZES;
BENCHMARK(BM_Memcpy)->SURFACE_SIZES;
BENCHMARK(BM_BitBltTernaryB8074A)->SURFACE_SIZES;
BENCHMARK(BM_StretchBlt)->SURFACE_SIZES;
BENCHMARK(BM_StretchBltHalftone)->SURFACE_SIZES;
BENCHMARK(BM_MonoMaskToColourSrcAnd)->SURFACE_SIZES;

} // namespace
