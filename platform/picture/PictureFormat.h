// Recognising picture files by their first bytes, and reading the directory
// of icon and cursor files (which image to use, and a cursor's hot spot).
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace picture {

enum class PictureFormat { Unknown, Bmp, Jpeg, Png, Gif, Icon, Cursor };

PictureFormat DetectFormat(std::span<const std::uint8_t> bytes);

struct IconEntry {
    int index = 0; // position in the file's directory
    int width = 0;
    int height = 0;
    int xHotspot = 0; // cursors only
    int yHotspot = 0;
};

// The image an icon picture shows: the 32 x 32 one when the file has it (the
// standard icon size), else the largest. Empty when the directory is broken.
std::optional<IconEntry> ChooseIconEntry(std::span<const std::uint8_t> bytes);

// The AND mask of an icon image stored as a DIB (not as PNG): one entry per
// pixel, top row first, 1 where the image is transparent.
struct IconMask {
    int width = 0;
    int height = 0;
    int bitCount = 0; // of the colour image
    std::vector<std::uint8_t> transparent;
};

std::optional<IconMask> ReadIconMask(std::span<const std::uint8_t> bytes, int entryIndex);

} // namespace picture
