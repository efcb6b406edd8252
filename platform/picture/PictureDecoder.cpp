#include "platform/picture/PictureDecoder.h"

#include <QBuffer>
#include <QByteArray>
#include <QImageReader>

namespace picture {

namespace {

// Pictures larger than this are refused rather than allocated.
constexpr int kMaxSide = 16384;
constexpr qint64 kMaxPixels = qint64{64} * 1024 * 1024;

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

QImage DecodeImage(std::span<const std::uint8_t> bytes, PictureFormat format, int imageIndex) {
    const char* formatName = QtFormatName(format);
    if (formatName == nullptr || bytes.empty()) {
        return {};
    }
    QByteArray data(reinterpret_cast<const char*>(bytes.data()), static_cast<qsizetype>(bytes.size()));
    if (format == PictureFormat::Cursor) {
        // A cursor file is an icon file with type 2 and hot spots where icons
        // keep planes and bit counts; Qt's reader takes it as an icon.
        data[2] = 1;
    }
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, formatName);
    reader.setDecideFormatFromContent(false);
    if (imageIndex > 0 && !reader.jumpToImage(imageIndex)) {
        return {};
    }
    const QSize size = reader.size();
    if (size.isValid() && (size.width() > kMaxSide || size.height() > kMaxSide ||
                           qint64{size.width()} * size.height() > kMaxPixels)) {
        return {};
    }
    QImage image = reader.read();
    if (image.isNull()) {
        return {};
    }
    return image.convertToFormat(QImage::Format_ARGB32);
}

} // namespace picture
