#include "platform/picture/PictureFormat.h"

#include <algorithm>
#include <array>

namespace picture {

namespace {

constexpr std::size_t kIconHeaderSize = 6;
constexpr std::size_t kIconEntrySize = 16;

bool StartsWith(std::span<const std::uint8_t> bytes, std::initializer_list<std::uint8_t> prefix) {
    return bytes.size() >= prefix.size() && std::equal(prefix.begin(), prefix.end(), bytes.begin());
}

int ReadWord(std::span<const std::uint8_t> bytes, std::size_t at) {
    return bytes[at] | (bytes[at + 1] << 8);
}

std::uint32_t ReadDword(std::span<const std::uint8_t> bytes, std::size_t at) {
    return static_cast<std::uint32_t>(bytes[at]) | (static_cast<std::uint32_t>(bytes[at + 1]) << 8) |
           (static_cast<std::uint32_t>(bytes[at + 2]) << 16) |
           (static_cast<std::uint32_t>(bytes[at + 3]) << 24);
}

// Icon and cursor files start with a reserved 0, the type (1 icon, 2 cursor)
// and a non-zero image count; each directory entry must point inside the file.
bool IsIconDirectory(std::span<const std::uint8_t> bytes, int type) {
    if (bytes.size() < kIconHeaderSize || ReadWord(bytes, 0) != 0 || ReadWord(bytes, 2) != type) {
        return false;
    }
    const int count = ReadWord(bytes, 4);
    if (count == 0 || bytes.size() < kIconHeaderSize + kIconEntrySize * static_cast<std::size_t>(count)) {
        return false;
    }
    for (int i = 0; i < count; ++i) {
        const std::size_t entry = kIconHeaderSize + kIconEntrySize * static_cast<std::size_t>(i);
        const std::uint64_t size = ReadDword(bytes, entry + 8);
        const std::uint64_t offset = ReadDword(bytes, entry + 12);
        if (size == 0 || offset + size > bytes.size()) {
            return false;
        }
    }
    return true;
}

} // namespace

PictureFormat DetectFormat(std::span<const std::uint8_t> bytes) {
    if (StartsWith(bytes, {'B', 'M'}) && bytes.size() >= 26) {
        return PictureFormat::Bmp;
    }
    if (StartsWith(bytes, {0xFF, 0xD8, 0xFF})) {
        return PictureFormat::Jpeg;
    }
    if (StartsWith(bytes, {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A})) {
        return PictureFormat::Png;
    }
    if (StartsWith(bytes, {'G', 'I', 'F', '8', '7', 'a'}) ||
        StartsWith(bytes, {'G', 'I', 'F', '8', '9', 'a'})) {
        return PictureFormat::Gif;
    }
    if (IsIconDirectory(bytes, 1)) {
        return PictureFormat::Icon;
    }
    if (IsIconDirectory(bytes, 2)) {
        return PictureFormat::Cursor;
    }
    return PictureFormat::Unknown;
}

std::optional<IconEntry> ChooseIconEntry(std::span<const std::uint8_t> bytes) {
    if (!IsIconDirectory(bytes, 1) && !IsIconDirectory(bytes, 2)) {
        return std::nullopt;
    }
    const bool cursor = ReadWord(bytes, 2) == 2;
    const int count = ReadWord(bytes, 4);
    std::optional<IconEntry> chosen;
    for (int i = 0; i < count; ++i) {
        const std::size_t at = kIconHeaderSize + kIconEntrySize * static_cast<std::size_t>(i);
        IconEntry entry;
        entry.index = i;
        entry.width = bytes[at] == 0 ? 256 : bytes[at]; // 0 stands for 256
        entry.height = bytes[at + 1] == 0 ? 256 : bytes[at + 1];
        if (cursor) {
            entry.xHotspot = ReadWord(bytes, at + 4);
            entry.yHotspot = ReadWord(bytes, at + 6);
        }
        const bool standard = entry.width == 32 && entry.height == 32;
        const bool larger = chosen && entry.width * entry.height > chosen->width * chosen->height;
        const bool chosenIsStandard = chosen && chosen->width == 32 && chosen->height == 32;
        if (!chosen || standard || (larger && !chosenIsStandard)) {
            chosen = entry;
        }
        if (standard) {
            break;
        }
    }
    return chosen;
}

std::optional<IconMask> ReadIconMask(std::span<const std::uint8_t> bytes, int entryIndex) {
    if (!IsIconDirectory(bytes, 1) && !IsIconDirectory(bytes, 2)) {
        return std::nullopt;
    }
    if (entryIndex < 0 || entryIndex >= ReadWord(bytes, 4)) {
        return std::nullopt;
    }
    const std::size_t entry = kIconHeaderSize + kIconEntrySize * static_cast<std::size_t>(entryIndex);
    const std::uint64_t size = ReadDword(bytes, entry + 8);
    const std::uint64_t offset = ReadDword(bytes, entry + 12);
    const auto image = bytes.subspan(static_cast<std::size_t>(offset), static_cast<std::size_t>(size));
    constexpr std::size_t kInfoHeaderSize = 40;
    if (DetectFormat(image) == PictureFormat::Png || image.size() < kInfoHeaderSize ||
        ReadDword(image, 0) < kInfoHeaderSize) {
        return std::nullopt; // a PNG image, or no BITMAPINFOHEADER
    }
    const std::uint64_t headerSize = ReadDword(image, 0);
    const auto width = static_cast<std::int32_t>(ReadDword(image, 4));
    const auto doubledHeight = static_cast<std::int32_t>(ReadDword(image, 8));
    const int bitCount = ReadWord(image, 14);
    const std::uint32_t colorsUsed = ReadDword(image, 32);
    if (width <= 0 || width > 1024 || doubledHeight <= 0 || doubledHeight > 2048 || bitCount == 0 ||
        bitCount > 32) {
        return std::nullopt;
    }
    const int height = doubledHeight / 2;
    const std::uint64_t paletteBytes =
        bitCount <= 8 ? 4ull * (colorsUsed != 0 ? colorsUsed : (1ull << bitCount)) : 0;
    const std::uint64_t colorRowBytes = (static_cast<std::uint64_t>(width) * bitCount + 31) / 32 * 4;
    const std::uint64_t maskRowBytes = (static_cast<std::uint64_t>(width) + 31) / 32 * 4;
    const std::uint64_t maskStart = headerSize + paletteBytes + colorRowBytes * height;
    if (maskStart + maskRowBytes * height > image.size()) {
        return std::nullopt;
    }
    IconMask mask;
    mask.width = width;
    mask.height = height;
    mask.bitCount = bitCount;
    mask.transparent.resize(static_cast<std::size_t>(width) * height);
    for (int y = 0; y < height; ++y) {
        // Rows are stored bottom-up.
        const std::size_t row = static_cast<std::size_t>(maskStart + maskRowBytes * (height - 1 - y));
        for (int x = 0; x < width; ++x) {
            const bool set = (image[row + x / 8] & (0x80 >> (x % 8))) != 0;
            mask.transparent[static_cast<std::size_t>(y) * width + x] = set ? 1 : 0;
        }
    }
    return mask;
}

} // namespace picture
