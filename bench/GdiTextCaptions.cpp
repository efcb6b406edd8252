// DrawText of the main window's three button captions on the 12-pixel Song
// face, as the button control does it: measuring (DT_CALCRECT |
// DT_WORDBREAK) on every layout, drawing (DT_WORDBREAK | DT_CENTER) on every
// redraw. The drawing sink writes into a 32-bit pixel buffer of the
// button's size, so the figures include the per-pixel plotting cost.
#include "platform/gdi/gdi.h"
#include "platform/gdi/text/TextEngine.h"

#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstring>
#include <vector>

namespace {

using gdi::RECT;
using gdi::detail::DrawTextLayout;
using gdi::detail::FontFace;
using gdi::detail::TextSink;

struct Caption {
    const char* text;
    int width;
    int height;
};

// The home-page button shows the publisher's host name; a stand-in of
// typical length is measured here.
constexpr Caption kCaptions[] = {
    {"获取标准时间", 105, 21},
    {"dunmoradesk.example", 139, 23},
    {"测试上面的地址，有效的放下面", 181, 21},
};

std::shared_ptr<FontFace> SongFont() {
    gdi::LOGFONTA logfont{};
    logfont.lfHeight = -12;
    logfont.lfWeight = gdi::FW_NORMAL;
    logfont.lfCharSet = gdi::DEFAULT_CHARSET;
    std::strcpy(logfont.lfFaceName, "宋体");
    return FontFace::Create(logfont);
}

void MeasureCaption(benchmark::State& state) {
    const Caption& caption = kCaptions[state.range(0)];
    const auto font = SongFont();
    for (auto _ : state) {
        RECT rect{0, 0, caption.width - 8, caption.height - 8};
        benchmark::DoNotOptimize(
            DrawTextLayout(*font, caption.text, &rect, gdi::DT_CALCRECT | gdi::DT_WORDBREAK, {}));
        benchmark::DoNotOptimize(rect);
    }
    state.SetLabel(caption.text);
}

void DrawCaption(benchmark::State& state) {
    const Caption& caption = kCaptions[state.range(0)];
    const auto font = SongFont();
    std::vector<std::uint32_t> pixels(static_cast<std::size_t>(caption.width) * caption.height, 0xF0F0F0);
    TextSink sink;
    sink.plot = [&pixels, &caption](int x, int y) {
        if (x >= 0 && x < caption.width && y >= 0 && y < caption.height) {
            pixels[static_cast<std::size_t>(y) * caption.width + x] = 0x0000C0;
        }
    };
    RECT measured{0, 0, caption.width - 8, caption.height - 8};
    DrawTextLayout(*font, caption.text, &measured, gdi::DT_CALCRECT | gdi::DT_WORDBREAK, {});
    const int left = (caption.width - measured.right) / 2;
    const int top = (caption.height - measured.bottom) / 2;
    for (auto _ : state) {
        RECT rect{left, top, left + measured.right, top + measured.bottom};
        benchmark::DoNotOptimize(
            DrawTextLayout(*font, caption.text, &rect, gdi::DT_WORDBREAK | gdi::DT_CENTER, sink));
        benchmark::ClobberMemory();
    }
    state.SetLabel(caption.text);
}

// The same through the drawing layer: DrawTextA on a memory DC holding a
// 32-bit bitmap of the button's size, with the font selected.
void DrawCaptionOnDc(benchmark::State& state) {
    const Caption& caption = kCaptions[state.range(0)];
    const gdi::HDC screen = gdi::GetDC(0);
    const gdi::HDC dc = gdi::CreateCompatibleDC(screen);
    const gdi::HBITMAP bitmap = gdi::CreateCompatibleBitmap(screen, caption.width, caption.height);
    gdi::ReleaseDC(0, screen);
    const gdi::HGDIOBJ previousBitmap = gdi::SelectObject(dc, bitmap);
    gdi::LOGFONTA logfont = SongFont()->Logfont();
    const gdi::HFONT font = gdi::CreateFontIndirectA(&logfont);
    const gdi::HGDIOBJ previousFont = gdi::SelectObject(dc, font);
    gdi::SetBkMode(dc, gdi::TRANSPARENT);
    gdi::SetTextColor(dc, gdi::RGB(0, 0, 192));
    RECT measured{0, 0, caption.width - 8, caption.height - 8};
    gdi::DrawTextA(dc, caption.text, -1, &measured, gdi::DT_CALCRECT | gdi::DT_WORDBREAK);
    const int left = (caption.width - measured.right) / 2;
    const int top = (caption.height - measured.bottom) / 2;
    for (auto _ : state) {
        RECT rect{left, top, left + measured.right, top + measured.bottom};
        benchmark::DoNotOptimize(
            gdi::DrawTextA(dc, caption.text, -1, &rect, gdi::DT_WORDBREAK | gdi::DT_CENTER));
    }
    gdi::SelectObject(dc, previousFont);
    gdi::SelectObject(dc, previousBitmap);
    gdi::DeleteObject(font);
    gdi::DeleteObject(bitmap);
    gdi::DeleteDC(dc);
    state.SetLabel(caption.text);
}

// A font lookup as the control makes on every Font change: served from the
// face cache after the first.
void CreateCachedFont(benchmark::State& state) {
    SongFont();
    for (auto _ : state) {
        benchmark::DoNotOptimize(SongFont());
    }
}

BENCHMARK(MeasureCaption)->DenseRange(0, 2);
BENCHMARK(DrawCaption)->DenseRange(0, 2);
BENCHMARK(DrawCaptionOnDc)->DenseRange(0, 2);
BENCHMARK(CreateCachedFont);

} // namespace
