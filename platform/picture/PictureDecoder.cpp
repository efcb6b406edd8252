#include "platform/picture/PictureDecoder.h"

#include <QBuffer>
#include <QByteArray>
#include <QImage>
#include <QImageReader>

#include <algorithm>
#include <optional>
#include <string_view>

namespace picture {

namespace {

// What the image reader may allocate, in megabytes: 16-bit-per-channel
// formats take 8 bytes a pixel.
constexpr int kReaderAllocationLimitMb = 16;

bool IsAcceptableSize(qint64 width, qint64 height) {
    return IsAcceptableImageSize(width, height);
}

std::uint32_t ReadLittle(std::span<const std::uint8_t> bytes, std::size_t at, int count) {
    std::uint32_t value = 0;
    for (int i = count - 1; i >= 0; --i)
        value = (value << 8) | bytes[at + static_cast<std::size_t>(i)];
    return value;
}

std::uint32_t ReadBig32(std::span<const std::uint8_t> bytes, std::size_t at) {
    return (std::uint32_t{bytes[at]} << 24) | (std::uint32_t{bytes[at + 1]} << 16) |
           (std::uint32_t{bytes[at + 2]} << 8) | bytes[at + 3];
}

// The size the decoder will allocate, as the file's own header declares it
// where the reader's announced size can differ: a GIF is decoded onto its
// logical screen, not the size of its first frame; a top-down BMP has a
// negative height, which makes the announced size invalid.
bool DeclaredSizeIsAcceptable(std::span<const std::uint8_t> bytes, PictureFormat format) {
    switch (format) {
    case PictureFormat::Gif:
        return bytes.size() < 10 || IsAcceptableSize(ReadLittle(bytes, 6, 2), ReadLittle(bytes, 8, 2));
    case PictureFormat::Bmp: {
        if (bytes.size() < 26)
            return true;
        if (ReadLittle(bytes, 14, 4) == 12) // the old core header: 16-bit sizes
            return IsAcceptableSize(ReadLittle(bytes, 18, 2), ReadLittle(bytes, 20, 2));
        const qint64 width = static_cast<std::int32_t>(ReadLittle(bytes, 18, 4));
        const qint64 height = static_cast<std::int32_t>(ReadLittle(bytes, 22, 4));
        return IsAcceptableSize(width < 0 ? -width : width, height < 0 ? -height : height);
    }
    case PictureFormat::Png:
        return bytes.size() < 24 || IsAcceptableSize(ReadBig32(bytes, 16), ReadBig32(bytes, 20));
    default:
        return true;
    }
}

// A PNG of the chunks that make the image (header, palette, transparency,
// data, end); text, colour profiles and every other ancillary chunk are left
// out, so that the reader spends nothing on metadata we do not use. A chunk
// that runs past the end of the data ends the copy with an end chunk.
QByteArray EssentialPngChunks(std::span<const std::uint8_t> bytes) {
    constexpr std::size_t kSignatureSize = 8;
    QByteArray out(reinterpret_cast<const char*>(bytes.data()), kSignatureSize);
    for (std::size_t at = kSignatureSize; at + 12 <= bytes.size();) {
        const std::uint64_t length = ReadBig32(bytes, at);
        const std::uint64_t chunkSize = 12 + length;
        if (at + chunkSize > bytes.size())
            break;
        const std::string_view type(reinterpret_cast<const char*>(bytes.data() + at + 4), 4);
        if (type == "IHDR" || type == "PLTE" || type == "tRNS" || type == "IDAT" || type == "IEND")
            out.append(reinterpret_cast<const char*>(bytes.data() + at), static_cast<qsizetype>(chunkSize));
        if (type == "IEND")
            return out;
        at += static_cast<std::size_t>(chunkSize);
    }
    // Image data that is all there still decodes without the end chunk.
    out.append("\0\0\0\0IEND\xAE\x42\x60\x82", 12);
    return out;
}

// The bytes of an icon or cursor image stored as a PNG, or nothing.
std::optional<std::span<const std::uint8_t>> EmbeddedPng(std::span<const std::uint8_t> bytes,
                                                         int imageIndex) {
    const std::size_t entry = 6 + 16 * static_cast<std::size_t>(imageIndex);
    if (imageIndex < 0 || entry + 16 > bytes.size())
        return std::nullopt;
    const std::uint64_t size = ReadLittle(bytes, entry + 8, 4);
    const std::uint64_t offset = ReadLittle(bytes, entry + 12, 4);
    if (offset + size > bytes.size())
        return std::nullopt;
    const auto image = bytes.subspan(static_cast<std::size_t>(offset), static_cast<std::size_t>(size));
    if (DetectFormat(image) != PictureFormat::Png)
        return std::nullopt;
    return image;
}

const char* QtFormatName(PictureFormat format) {
    switch (format) {
    case PictureFormat::Bmp:
        return "bmp";
    case PictureFormat::Jpeg:
        return "jpeg";
    case PictureFormat::Png:
        return "png";
    case PictureFormat::Gif:
        return "gif";
    case PictureFormat::Icon:
    case PictureFormat::Cursor:
        return "ico";
    case PictureFormat::Unknown:
        break;
    }
    return nullptr;
}

} // namespace

namespace {

// Qt's images decode as Qt's; the rows go on as plain pixels.
DecodedImage ToDecodedImage(const QImage& decoded) {
    const QImage image = decoded.convertToFormat(QImage::Format_ARGB32);
    DecodedImage out;
    if (image.isNull())
        return out;
    out.width = image.width();
    out.height = image.height();
    out.pixels.resize(static_cast<std::size_t>(out.width) * static_cast<std::size_t>(out.height));
    for (int y = 0; y < out.height; ++y) {
        const auto* row = reinterpret_cast<const std::uint32_t*>(image.constScanLine(y));
        std::copy(row, row + out.width, out.Row(y));
    }
    return out;
}

} // namespace

DecodedImage DecodeImage(std::span<const std::uint8_t> bytes, PictureFormat format, int imageIndex) {
    const char* formatName = QtFormatName(format);
    if (formatName == nullptr || bytes.empty()) {
        return {};
    }
    if (format == PictureFormat::Icon || format == PictureFormat::Cursor) {
        // Read like any PNG: its declared size checked, its metadata left out.
        if (const auto png = EmbeddedPng(bytes, imageIndex)) {
            return DecodeImage(*png, PictureFormat::Png, 0);
        }
    }
    if (!DeclaredSizeIsAcceptable(bytes, format)) {
        return {};
    }
    QByteArray data = format == PictureFormat::Png ? EssentialPngChunks(bytes)
                                                   : QByteArray(reinterpret_cast<const char*>(bytes.data()),
                                                                static_cast<qsizetype>(bytes.size()));
    if (format == PictureFormat::Cursor) {
        // A cursor file is an icon file with type 2 and hot spots where icons
        // keep planes and bit counts; Qt's reader takes it as an icon.
        data[2] = 1;
    }
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, formatName);
    reader.setDecideFormatFromContent(false);
    reader.setAllocationLimit(kReaderAllocationLimitMb);
    if (imageIndex > 0 && !reader.jumpToImage(imageIndex)) {
        return {};
    }
    const QSize size = reader.size();
    if (size.isValid() && !IsAcceptableSize(size.width(), size.height())) {
        return {};
    }
    QImage image = reader.read();
    if (image.isNull() || !IsAcceptableSize(image.width(), image.height())) {
        return {};
    }
    return ToDecodedImage(image);
}

} // namespace picture
