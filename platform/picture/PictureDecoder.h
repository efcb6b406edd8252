// Decoding picture bytes with Qt's image readers (QtGui only).
#pragma once

#include "platform/picture/PictureFormat.h"

#include <QImage>

#include <cstdint>
#include <span>

namespace picture {

// The image at imageIndex (icons and cursors hold several), as 32-bit ARGB
// (not premultiplied). A null image when the bytes do not decode.
QImage DecodeImage(std::span<const std::uint8_t> bytes, PictureFormat format, int imageIndex);

} // namespace picture
