// What the control benchmarks paint: the main window's three buttons and a
// picture with a key-coloured background.
#pragma once

#include "control/model/ButtonState.h"
#include "control/stage/TopDownDib.h"
#include "platform/picture/Picture.h"

#include <array>
#include <cstdint>
#include <memory>
#include <vector>

namespace bench_buttons {

struct MainWindowButton {
    int width;
    int height;
    const char* caption;
    OleColor backColor;
};

// cmdDateTime, cmdHomePage and cmdCeShi.
inline constexpr std::array<MainWindowButton, 3> kButtons = {{
    {105, 21, "获取标准时间", 0xDDC07A},
    {139, 23, "www.dunmora.example", 0xDDC07A},
    {181, 21, "测试上面的地址，有效的放下面", SystemColorValue::ButtonFace},
}};

// The keyed picture's pixel at (x, y), 0x00RRGGBB: a disc of two colours on
// magenta, so that every row has runs of key pixels to cut.
inline std::uint32_t KeyedPixel(int x, int y, int width, int height) {
    const double cx = width / 2.0;
    const double cy = height / 2.0;
    const double dx = (x + 0.5 - cx) / cx;
    const double dy = (y + 0.5 - cy) / cy;
    const bool inside = dx * dx + dy * dy < 0.9;
    return inside ? ((x + y) % 2 ? 0x00C02020u : 0x0020A0F0u) : 0x00FF00FFu;
}

inline picture::PicturePtr MakeKeyedPicture(int width, int height) {
    std::uint32_t* pixels = nullptr;
    const gdi::HBITMAP bitmap = control_stage::CreateTopDownDib(width, height, &pixels);
    if (pixels == nullptr)
        return nullptr;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x)
            pixels[y * width + x] = KeyedPixel(x, y, width, height);
    }
    return std::make_shared<picture::Picture>(bitmap, picture::PictureType::Bitmap, width, height,
                                              std::vector<std::uint8_t>{});
}

} // namespace bench_buttons
