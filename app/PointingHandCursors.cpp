#include "app/PointingHandCursors.h"

#include <array>
#include <cstdint>
#include <string_view>
#include <vector>

namespace app {
namespace {

constexpr int kSize = 32;

// '#' black, '.' white, anything else shows the screen. The fingertip is at (6, 0).
// clang-format off
constexpr std::array<std::string_view, 20> kHand = {
    "     ###",
    "     #.#",
    "     #.#",
    "     #.#",
    "     #.#",
    "     #.###",
    "     #.#.###",
    "     #.#.#.###",
    " ### #.#.#.#.#",
    " #..##.......#",
    " #...#.......#",
    "  #..........#",
    "  #..........#",
    "   #.........#",
    "   #........#",
    "    #.......#",
    "    #.......#",
    "     #.....#",
    "     #.....#",
    "     #######",
};
// clang-format on

void PutLittleEndian(std::vector<std::uint8_t>& bytes, std::uint32_t value, int size) {
    for (int i = 0; i < size; ++i)
        bytes.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

// A .cur file: directory, one 1-bpp image (colour rows, then the mask rows, both bottom-up).
std::vector<std::uint8_t> CursorFile(int offsetX, int offsetY) {
    constexpr int kRowBytes = kSize / 8;
    std::vector<std::uint8_t> colour(kSize * kRowBytes, 0);
    std::vector<std::uint8_t> mask(kSize * kRowBytes, 0xFF);
    for (int row = 0; row < static_cast<int>(kHand.size()); ++row) {
        for (int column = 0; column < static_cast<int>(kHand[row].size()); ++column) {
            const char cell = kHand[row][column];
            if (cell != '#' && cell != '.')
                continue;
            const int x = column + offsetX;
            const int y = kSize - 1 - (row + offsetY); // bottom-up
            const auto bit = static_cast<std::uint8_t>(0x80 >> (x % 8));
            mask[y * kRowBytes + x / 8] &= static_cast<std::uint8_t>(~bit);
            if (cell == '.')
                colour[y * kRowBytes + x / 8] |= bit;
        }
    }

    const std::uint32_t imageSize = 40 + 8 + static_cast<std::uint32_t>(colour.size() + mask.size());
    std::vector<std::uint8_t> bytes;
    PutLittleEndian(bytes, 0, 2); // reserved
    PutLittleEndian(bytes, 2, 2); // cursor
    PutLittleEndian(bytes, 1, 2); // one image
    bytes.push_back(kSize);
    bytes.push_back(kSize);
    bytes.push_back(2); // colours
    bytes.push_back(0);
    PutLittleEndian(bytes, static_cast<std::uint32_t>(6 + offsetX), 2); // hot spot
    PutLittleEndian(bytes, static_cast<std::uint32_t>(offsetY), 2);
    PutLittleEndian(bytes, imageSize, 4);
    PutLittleEndian(bytes, 22, 4); // image offset
    // BITMAPINFOHEADER: the height counts colour and mask rows.
    PutLittleEndian(bytes, 40, 4);
    PutLittleEndian(bytes, kSize, 4);
    PutLittleEndian(bytes, 2 * kSize, 4);
    PutLittleEndian(bytes, 1, 2);
    PutLittleEndian(bytes, 1, 2);
    for (int i = 0; i < 6; ++i)
        PutLittleEndian(bytes, 0, 4);
    PutLittleEndian(bytes, 0x00000000, 4); // palette: black
    PutLittleEndian(bytes, 0x00FFFFFF, 4); //          white
    bytes.insert(bytes.end(), colour.begin(), colour.end());
    bytes.insert(bytes.end(), mask.begin(), mask.end());
    return bytes;
}

} // namespace

picture::PicturePtr PointingHandCursor(HandHotSpot hotSpot) {
    // Made afresh each time: a picture holds a drawing-layer icon, which must
    // not outlive the drawing layer in a static.
    return hotSpot == HandHotSpot::Fingertip ? picture::LoadPictureBytes(CursorFile(0, 0))
                                             : picture::LoadPictureBytes(CursorFile(7, 9));
}

} // namespace app
