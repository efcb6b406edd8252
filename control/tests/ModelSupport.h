// Helpers for the tests of the control's properties and persistence: the keys
// an assignment reports, the button's saved form as one comparable text, and
// pictures that can be saved (they carry file bytes).
#pragma once

#include "control/model/ztButtons_H.h"
#include "platform/headless/HeadlessSite.h"
#include "platform/picture/Picture.h"

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace model_testing {

using Keys = std::vector<std::string>;

// The PropertyChanged keys reported while change runs, in order.
template <typename Change>
Keys KeysReportedBy(headless::HeadlessSite& site, Change&& change) {
    site.ClearPropertyChanges();
    std::forward<Change>(change)();
    return site.PropertyChanges();
}

// Every saved property of the button as text.
inline std::string SavedText(headless::HeadlessSite& site) { return site.WriteProperties().ToText(); }

// A 24-bit BMP file of one colour, loaded as a picture, so that it survives a save.
inline picture::PicturePtr MakeStoredBitmap(int width, int height, std::uint8_t red, std::uint8_t green,
                                            std::uint8_t blue) {
    const int stride = (width * 3 + 3) / 4 * 4;
    const std::uint32_t pixelBytes = static_cast<std::uint32_t>(stride * height);
    const std::uint32_t fileSize = 54 + pixelBytes;
    std::vector<std::uint8_t> bytes(fileSize, 0);
    auto put32 = [&](std::size_t at, std::uint32_t value) {
        for (int i = 0; i < 4; ++i) bytes[at + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(value >> (8 * i));
    };
    bytes[0] = 'B';
    bytes[1] = 'M';
    put32(2, fileSize);
    put32(10, 54);
    put32(14, 40);
    put32(18, static_cast<std::uint32_t>(width));
    put32(22, static_cast<std::uint32_t>(height));
    bytes[26] = 1;   // planes
    bytes[28] = 24;  // bits per pixel
    put32(34, pixelBytes);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const std::size_t at = 54 + static_cast<std::size_t>(y * stride + x * 3);
            bytes[at] = blue;
            bytes[at + 1] = green;
            bytes[at + 2] = red;
        }
    }
    return picture::LoadPictureBytes(bytes);
}

}  // namespace model_testing
