// LoadPictureBytes / LoadPictureFile: recognise the format, decode it, and
// wrap the result in a Picture that owns its handle and keeps the bytes.
#include "platform/picture/Picture.h"

#include "platform/picture/PictureDecoder.h"
#include "platform/picture/PictureFormat.h"
#include "platform/picture/PictureHandles.h"

#include <fstream>
#include <iterator>
#include <memory>

namespace picture {

namespace {

// A picture file larger than this is not one a form would hold.
constexpr std::streamoff kMaxFileBytes = std::streamoff{64} * 1024 * 1024;

bool HasAlpha(const DecodedImage& image) {
    for (const std::uint32_t pixel : image.pixels) {
        if ((pixel >> 24) != 0) {
            return true;
        }
    }
    return false;
}

// Icons without an alpha channel (up to 24 bits, or 32 bits with alpha all
// zero) take their transparency from the AND mask alone.
void ApplyAndMask(DecodedImage& image, const std::optional<IconMask>& mask) {
    if (!mask || mask->width != image.width || mask->height != image.height) {
        return;
    }
    if (mask->bitCount == 32 && HasAlpha(image)) {
        return;
    }
    for (int y = 0; y < image.height; ++y) {
        std::uint32_t* row = image.Row(y);
        for (int x = 0; x < image.width; ++x) {
            const bool transparent = mask->transparent[static_cast<std::size_t>(y) * mask->width + x] != 0;
            row[x] = transparent ? 0u : (row[x] | 0xFF000000u);
        }
    }
}

PicturePtr LoadIcon(const std::vector<std::uint8_t>& bytes, PictureFormat format) {
    const std::optional<IconEntry> entry = ChooseIconEntry(bytes);
    if (!entry) {
        return nullptr;
    }
    DecodedImage image = DecodeImage(bytes, format, entry->index);
    if (image.IsNull()) {
        return nullptr;
    }
    ApplyAndMask(image, ReadIconMask(bytes, entry->index));
    const Hotspot hotspot{format == PictureFormat::Icon, entry->xHotspot, entry->yHotspot};
    const gdi::HICON icon = CreateIconFromImage(image, hotspot);
    if (icon == 0) {
        return nullptr;
    }
    return std::make_shared<const Picture>(icon, PictureType::Icon, image.width, image.height, bytes);
}

PicturePtr LoadBitmap(const std::vector<std::uint8_t>& bytes, PictureFormat format) {
    const DecodedImage image = DecodeImage(bytes, format, 0);
    if (image.IsNull()) {
        return nullptr;
    }
    const gdi::HBITMAP bitmap = CreateDibFromImage(image);
    if (bitmap == 0) {
        return nullptr;
    }
    return std::make_shared<const Picture>(bitmap, PictureType::Bitmap, image.width, image.height, bytes);
}

} // namespace

PicturePtr LoadPictureBytes(const std::vector<std::uint8_t>& bytes) {
    try {
        const PictureFormat format = DetectFormat(bytes);
        switch (format) {
        case PictureFormat::Unknown:
            return nullptr;
        case PictureFormat::Icon:
        case PictureFormat::Cursor:
            return LoadIcon(bytes, format);
        default:
            return LoadBitmap(bytes, format);
        }
    } catch (...) {
        // Out of memory while copying or decoding: no picture.
        return nullptr;
    }
}

PicturePtr LoadPictureFile(const std::string& path) {
    try {
        std::ifstream file(path, std::ios::binary | std::ios::ate);
        if (!file) {
            return nullptr;
        }
        const std::streamoff size = file.tellg();
        if (size <= 0 || size > kMaxFileBytes) {
            return nullptr;
        }
        std::vector<std::uint8_t> bytes(static_cast<std::size_t>(size));
        file.seekg(0);
        if (!file.read(reinterpret_cast<char*>(bytes.data()), size)) {
            return nullptr;
        }
        return LoadPictureBytes(bytes);
    } catch (...) {
        return nullptr;
    }
}

} // namespace picture
