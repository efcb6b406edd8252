// What every scene file shares: the Windows names (from <windows.h> for the
// reference, from our layer for the comparison), canvases to draw on, and the
// recorder that keeps what a scene produced.
#pragma once

#include "SceneRecord.h"

#ifdef _WIN32
#include <windows.h>
#else
#include "platform/gdi/gdi.h"
#endif

#include <cstdint>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

namespace gdi_reference {

#ifndef _WIN32
using namespace gdi;
#endif

// What unpainted pixels hold: no operation writes it by chance.
constexpr COLORREF kPaper = RGB(0x20, 0x40, 0x60);
constexpr COLORREF kInk = RGB(0xC0, 0x10, 0x10);
constexpr COLORREF kFill = RGB(0x10, 0xA0, 0x30);

inline HDC Screen() {
    static HDC screen = GetDC(0);
    return screen;
}

// A memory DC with its own bitmap, colour (32 bits) or monochrome, pre-filled.
class Canvas {
  public:
    Canvas(int width, int height, COLORREF fill = kPaper, bool mono = false)
        : width_(width), height_(height), mono_(mono) {
        dc_ = CreateCompatibleDC(Screen());
        bitmap_ = mono ? CreateBitmap(width, height, 1, 1, nullptr)
                       : CreateCompatibleBitmap(Screen(), width, height);
        previous_ = SelectObject(dc_, bitmap_);
        Fill(fill);
    }
    ~Canvas() {
        SelectObject(dc_, previous_);
        DeleteObject(bitmap_);
        DeleteDC(dc_);
    }
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;
    void Fill(COLORREF color) {
        if (mono_) {
            // Brushes of other colours are dithered on monochrome bitmaps: fill plainly.
            PatBlt(dc_, 0, 0, width_, height_, color == RGB(0, 0, 0) ? BLACKNESS : WHITENESS);
            return;
        }
        HBRUSH brush = CreateSolidBrush(color);
        RECT all = {0, 0, width_, height_};
        FillRect(dc_, &all, brush);
        DeleteObject(brush);
    }
    HDC Dc() const { return dc_; }
    HBITMAP Bitmap() const { return bitmap_; }
    int Width() const { return width_; }
    int Height() const { return height_; }

  private:
    int width_, height_;
    bool mono_;
    HDC dc_;
    HBITMAP bitmap_;
    HGDIOBJ previous_;
};

// Drawing calls reach a DIB section's memory before it is read (Windows
// otherwise batches them per thread).
inline void Flush() {
#ifdef _WIN32
    GdiFlush();
#endif
}

inline RGBQUAD QuadOf(COLORREF color) {
    RGBQUAD quad = {};
    quad.rgbRed = GetRValue(color);
    quad.rgbGreen = GetGValue(color);
    quad.rgbBlue = GetBValue(color);
    return quad;
}

// A memory DC with a top-down DIB section of 32 bits per pixel (read as raw
// memory, the top byte included) or of 1 bit per pixel with a colour table
// (read through GetPixel, which gives the table's colours). headerSize and
// colorsUsed go into the header as given; the table follows the header.
class DibCanvas {
  public:
    DibCanvas(int width, int height, int bitCount, COLORREF color0 = RGB(0, 0, 0),
              COLORREF color1 = RGB(255, 255, 255), DWORD headerSize = sizeof(BITMAPINFOHEADER),
              DWORD colorsUsed = 0)
        : width_(width), height_(height), bitCount_(bitCount) {
        // Room for a version 5 header (124 bytes) and two colours.
        alignas(4) BYTE buffer[128 + 2 * sizeof(RGBQUAD)] = {};
        auto* header = reinterpret_cast<BITMAPINFOHEADER*>(buffer);
        header->biSize = headerSize;
        header->biWidth = width;
        header->biHeight = -height;
        header->biPlanes = 1;
        header->biBitCount = static_cast<WORD>(bitCount);
        header->biCompression = BI_RGB;
        header->biClrUsed = colorsUsed;
        auto* table = reinterpret_cast<RGBQUAD*>(buffer + headerSize);
        table[0] = QuadOf(color0);
        table[1] = QuadOf(color1);
        dc_ = CreateCompatibleDC(Screen());
        void* bits = nullptr;
        bitmap_ = CreateDIBSection(dc_, reinterpret_cast<BITMAPINFO*>(buffer), DIB_RGB_COLORS, &bits, 0, 0);
        bits_ = static_cast<BYTE*>(bits);
        previous_ = SelectObject(dc_, bitmap_);
    }
    ~DibCanvas() {
        SelectObject(dc_, previous_);
        DeleteObject(bitmap_);
        DeleteDC(dc_);
    }
    DibCanvas(const DibCanvas&) = delete;
    DibCanvas& operator=(const DibCanvas&) = delete;
    // 32 bits: every pixel to value; 1 bit: every bit to value & 1.
    void FillRaw(std::uint32_t value) {
        Flush();
        for (int y = 0; y < height_; ++y)
            for (int x = 0; x < width_; ++x)
                Set(x, y, value);
    }
    void Set(int x, int y, std::uint32_t value) {
        if (bitCount_ == 32) {
            reinterpret_cast<std::uint32_t*>(Row(y))[x] = value;
            return;
        }
        BYTE& byte = Row(y)[x / 8];
        const BYTE bit = static_cast<BYTE>(0x80 >> (x % 8));
        byte = static_cast<BYTE>((value & 1) ? byte | bit : byte & ~bit);
    }
    std::uint32_t Get(int x, int y) {
        if (bitCount_ == 32)
            return reinterpret_cast<const std::uint32_t*>(Row(y))[x];
        return (Row(y)[x / 8] >> (7 - x % 8)) & 1u;
    }
    bool Made() const { return bits_ != nullptr; }
    HDC Dc() const { return dc_; }
    HBITMAP Bitmap() const { return bitmap_; }
    int Width() const { return width_; }
    int Height() const { return height_; }
    int BitCount() const { return bitCount_; }

  private:
    BYTE* Row(int y) {
        const int stride = bitCount_ == 32 ? width_ * 4 : (width_ + 31) / 32 * 4;
        return bits_ + static_cast<std::size_t>(y) * stride;
    }
    int width_, height_, bitCount_;
    HDC dc_;
    HBITMAP bitmap_;
    BYTE* bits_ = nullptr;
    HGDIOBJ previous_;
};

// Selects a pen and a brush into a DC for one scope and deletes them after.
class Tools {
  public:
    Tools(HDC dc, HPEN pen, HBRUSH brush) : dc_(dc), pen_(pen), brush_(brush) {
        oldPen_ = pen ? SelectObject(dc, pen) : 0;
        oldBrush_ = brush ? SelectObject(dc, brush) : 0;
    }
    ~Tools() {
        if (pen_) {
            SelectObject(dc_, oldPen_);
            DeleteObject(pen_);
        }
        if (brush_) {
            SelectObject(dc_, oldBrush_);
            DeleteObject(brush_);
        }
    }
    Tools(const Tools&) = delete;
    Tools& operator=(const Tools&) = delete;

  private:
    HDC dc_;
    HPEN pen_;
    HBRUSH brush_;
    HGDIOBJ oldPen_ = 0, oldBrush_ = 0;
};

// Collects one scene's results.
class Recorder {
  public:
    explicit Recorder(SceneResult& scene) : scene_(scene) {}
    void Ret(const char* what, long long value) {
        scene_.facts.push_back(std::string("ret ") + what + " " + std::to_string(value));
    }
    void Box(const char* what, HRGN region) {
        RECT box = {-1, -1, -1, -1};
        const int type = GetRgnBox(region, &box);
        char line[160];
        std::snprintf(line, sizeof line, "box %s %d %ld %ld %ld %ld", what, type, static_cast<long>(box.left),
                      static_cast<long>(box.top), static_cast<long>(box.right),
                      static_cast<long>(box.bottom));
        scene_.facts.push_back(line);
    }
    void Pixels(const Canvas& canvas) { Pixels(canvas.Dc(), canvas.Width(), canvas.Height()); }
    // What GetPixel reads: a 1-bpp DIB section shows its table's colours.
    void Pixels(HDC dc, int width, int height) {
        scene_.width = width;
        scene_.height = height;
        scene_.pixels.clear();
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < width; ++x)
                scene_.pixels.push_back(GetPixel(dc, x, y));
        }
    }
    // A 32-bit DIB section's memory: all 32 bits of each pixel.
    void RawPixels(DibCanvas& canvas) {
        Flush();
        scene_.width = canvas.Width();
        scene_.height = canvas.Height();
        scene_.pixels.clear();
        for (int y = 0; y < canvas.Height(); ++y) {
            for (int x = 0; x < canvas.Width(); ++x)
                scene_.pixels.push_back(canvas.Get(x, y));
        }
    }
    // A region's pixels over [0, width) x [0, height), as white on black.
    void RegionPixels(HRGN region, int width, int height) {
        scene_.width = width;
        scene_.height = height;
        scene_.pixels.clear();
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < width; ++x)
                scene_.pixels.push_back(PtInRegion(region, x, y) ? 0xFFFFFF : 0);
        }
    }
    void Exception(const char* reason) { scene_.exception = reason; }

  private:
    SceneResult& scene_;
};

struct Builder {
    std::vector<SceneResult>* results;
    void Add(const std::string& family, const std::string& name, const std::function<void(Recorder&)>& draw) {
        SceneResult scene;
        scene.family = family;
        scene.name = name;
        Recorder recorder(scene);
        draw(recorder);
        results->push_back(std::move(scene));
    }
};

// The scenes of the pixel formats (PixelFormatScenes.cpp).
void PixelFormatScenes(Builder& b);

inline std::string Num(int value) {
    return value < 0 ? "m" + std::to_string(-value) : std::to_string(value);
}
inline std::string Quad(int a, int b, int c, int d) {
    return Num(a) + "," + Num(b) + "," + Num(c) + "," + Num(d);
}

} // namespace gdi_reference
