// Picture bytes made in the test: Qt writes BMP, PNG, JPEG and ICO; GIF and
// an old-style icon with an AND mask are put together by hand (Qt has no GIF
// writer, and its icon writer always stores alpha).
#pragma once

#include "platform/gdi/gdi.h"

#include <QBuffer>
#include <QColor>
#include <QImage>

#include <array>
#include <cstdint>
#include <vector>

namespace picture::testing {

using Bytes = std::vector<std::uint8_t>;

inline Bytes Encode(const QImage& image, const char* format, int quality = -1) {
    QByteArray data;
    QBuffer buffer(&data);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format, quality);
    return Bytes(data.begin(), data.end());
}

// Four flat quadrants (16 x 16 each, so JPEG blocks do not mix colours):
// red top left, green top right, blue bottom left, white bottom right.
inline QImage Quadrants() {
    QImage image(32, 32, QImage::Format_RGB32);
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x) {
            QRgb color = y < 16 ? (x < 16 ? qRgb(255, 0, 0) : qRgb(0, 255, 0))
                                : (x < 16 ? qRgb(0, 0, 255) : qRgb(255, 255, 255));
            image.setPixel(x, y, color);
        }
    }
    return image;
}

inline void PutWord(Bytes& out, int value) {
    out.push_back(static_cast<std::uint8_t>(value & 0xFF));
    out.push_back(static_cast<std::uint8_t>((value >> 8) & 0xFF));
}

inline void PutDword(Bytes& out, std::uint32_t value) {
    PutWord(out, static_cast<int>(value & 0xFFFF));
    PutWord(out, static_cast<int>(value >> 16));
}

// A GIF with a four-colour palette. Every pixel code follows a clear code,
// so the LZW table never grows and codes stay 3 bits wide.
inline Bytes MakeGif(int width, int height, const std::array<QRgb, 4>& palette,
                     const std::vector<int>& indices) {
    Bytes out = {'G', 'I', 'F', '8', '9', 'a'};
    PutWord(out, width);
    PutWord(out, height);
    out.insert(out.end(), {0x81, 0x00, 0x00}); // global table of 2^(1+1) colours
    for (QRgb color : palette) {
        out.insert(out.end(),
                   {static_cast<std::uint8_t>(qRed(color)), static_cast<std::uint8_t>(qGreen(color)),
                    static_cast<std::uint8_t>(qBlue(color))});
    }
    out.push_back(0x2C);
    PutWord(out, 0);
    PutWord(out, 0);
    PutWord(out, width);
    PutWord(out, height);
    out.push_back(0x00);
    out.push_back(0x02); // minimum code size: clear = 4, end = 5

    Bytes packed;
    std::uint32_t accumulator = 0;
    int bits = 0;
    auto writeCode = [&](int code) {
        accumulator |= static_cast<std::uint32_t>(code) << bits;
        bits += 3;
        while (bits >= 8) {
            packed.push_back(static_cast<std::uint8_t>(accumulator & 0xFF));
            accumulator >>= 8;
            bits -= 8;
        }
    };
    for (int index : indices) {
        writeCode(4);
        writeCode(index);
    }
    writeCode(5);
    if (bits > 0) {
        packed.push_back(static_cast<std::uint8_t>(accumulator & 0xFF));
    }
    for (std::size_t at = 0; at < packed.size(); at += 255) {
        const std::size_t length = std::min<std::size_t>(255, packed.size() - at);
        out.push_back(static_cast<std::uint8_t>(length));
        out.insert(out.end(), packed.begin() + static_cast<std::ptrdiff_t>(at),
                   packed.begin() + static_cast<std::ptrdiff_t>(at + length));
    }
    out.push_back(0x00);
    out.push_back(0x3B);
    return out;
}

// A 24-bit icon whose transparency is only in its AND mask: 4 x 4 pixels of
// the given colour with column 3 masked out (and black there, as icon
// editors store it).
inline Bytes MakeMaskedIcon(QRgb color) {
    const int size = 4;
    const std::uint32_t xorBytes = size * 12; // 12-byte rows (already 4-aligned)
    const std::uint32_t andBytes = size * 4;  // 1-bit rows padded to 4 bytes
    Bytes out;
    PutWord(out, 0);
    PutWord(out, 1);
    PutWord(out, 1);
    out.insert(out.end(), {size, size, 0, 0});
    PutWord(out, 1);
    PutWord(out, 24);
    PutDword(out, 40 + xorBytes + andBytes);
    PutDword(out, 6 + 16);
    PutDword(out, 40);
    PutDword(out, size);
    PutDword(out, size * 2); // colour image and mask, one above the other
    PutWord(out, 1);
    PutWord(out, 24);
    for (int i = 0; i < 6; ++i) {
        PutDword(out, i == 1 ? xorBytes + andBytes : 0);
    }
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            const bool masked = x == 3;
            out.push_back(masked ? 0 : static_cast<std::uint8_t>(qBlue(color)));
            out.push_back(masked ? 0 : static_cast<std::uint8_t>(qGreen(color)));
            out.push_back(masked ? 0 : static_cast<std::uint8_t>(qRed(color)));
        }
    }
    for (int y = 0; y < size; ++y) {
        out.insert(out.end(), {0x10, 0x00, 0x00, 0x00}); // bit of x = 3
    }
    return out;
}

// A square icon of one colour, half of it (the right half) transparent.
inline QImage HalfTransparent(int size, QRgb color) {
    QImage image(size, size, QImage::Format_ARGB32);
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            image.setPixel(x, y, x < size / 2 ? color : qRgba(0, 0, 0, 0));
        }
    }
    return image;
}

// Several Qt-written single icons joined into one file with one directory.
inline Bytes JoinIcons(const std::vector<Bytes>& singles) {
    Bytes directory;
    PutWord(directory, 0);
    PutWord(directory, 1);
    PutWord(directory, static_cast<int>(singles.size()));
    Bytes images;
    std::uint32_t offset = 6 + 16 * static_cast<std::uint32_t>(singles.size());
    for (const Bytes& single : singles) {
        const std::uint32_t size = single[14] | (single[15] << 8) | (single[16] << 16) | (single[17] << 24);
        const std::uint32_t at = single[18] | (single[19] << 8) | (single[20] << 16) | (single[21] << 24);
        directory.insert(directory.end(), single.begin() + 6, single.begin() + 14);
        PutDword(directory, size);
        PutDword(directory, offset);
        images.insert(images.end(), single.begin() + at, single.begin() + at + size);
        offset += size;
    }
    directory.insert(directory.end(), images.begin(), images.end());
    return directory;
}

// A memory DC holding a bitmap; reads pixels the way the control does.
class BitmapReader {
  public:
    explicit BitmapReader(gdi::HBITMAP bitmap) : dc_(gdi::CreateCompatibleDC(0)) {
        previous_ = gdi::SelectObject(dc_, bitmap);
    }
    ~BitmapReader() {
        gdi::SelectObject(dc_, previous_);
        gdi::DeleteDC(dc_);
    }
    BitmapReader(const BitmapReader&) = delete;
    BitmapReader& operator=(const BitmapReader&) = delete;
    gdi::COLORREF At(int x, int y) const { return gdi::GetPixel(dc_, x, y); }

  private:
    gdi::HDC dc_;
    gdi::HGDIOBJ previous_ = 0;
};

} // namespace picture::testing
