// Pictures decoded by the Windows Imaging Component: files written byte by
// byte here (the Linux tests make theirs with Qt), loaded through the shared
// code and drawn with gdi32.
#include "platform/picture/Picture.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;

void Put(Bytes& bytes, std::uint32_t value, int count) {
    for (int i = 0; i < count; ++i)
        bytes.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

// The 40-byte header of a bottom-up DIB with the given bit count.
void PutInfoHeader(Bytes& bytes, int width, int height, int bitCount) {
    Put(bytes, 40, 4);
    Put(bytes, static_cast<std::uint32_t>(width), 4);
    Put(bytes, static_cast<std::uint32_t>(height), 4);
    Put(bytes, 1, 2);
    Put(bytes, static_cast<std::uint32_t>(bitCount), 2);
    for (int i = 0; i < 6; ++i)
        Put(bytes, 0, 4);
}

// A 4 x 2 24-bit BMP; colours 0xRRGGBB, top row first.
Bytes Bmp(const std::uint32_t (&colours)[2][4]) {
    Bytes bytes{'B', 'M'};
    Put(bytes, 54 + 2 * 12, 4);
    Put(bytes, 0, 4);
    Put(bytes, 54, 4);
    PutInfoHeader(bytes, 4, 2, 24);
    for (int y = 1; y >= 0; --y)
        for (const std::uint32_t colour : colours[y])
            Put(bytes, colour, 3);
    return bytes;
}

// A 4 x 4 icon (type 1) or cursor (type 2, hot spot 1,2) of 32-bit pixels
// without alpha, one colour, whose AND mask makes the left column transparent.
Bytes IconFile(int type, std::uint32_t colour) {
    const std::uint32_t imageBytes = 40 + 4 * 4 * 4 + 4 * 4; // header, pixels, mask rows of 4 bytes
    Bytes bytes;
    Put(bytes, 0, 2);
    Put(bytes, static_cast<std::uint32_t>(type), 2);
    Put(bytes, 1, 2);
    bytes.insert(bytes.end(), {4, 4, 0, 0});
    Put(bytes, 1, 2);                  // planes, or the hot spot's x
    Put(bytes, type == 1 ? 32 : 2, 2); // bit count, or the hot spot's y
    Put(bytes, imageBytes, 4);
    Put(bytes, 6 + 16, 4);
    PutInfoHeader(bytes, 4, 8, 32);
    for (int i = 0; i < 16; ++i)
        Put(bytes, colour, 4);
    for (int row = 0; row < 4; ++row)
        Put(bytes, 0x80, 4);
    return bytes;
}

gdi::COLORREF Colorref(std::uint32_t rgb) {
    return gdi::RGB(static_cast<int>(rgb >> 16), static_cast<int>((rgb >> 8) & 0xFF),
                    static_cast<int>(rgb & 0xFF));
}

// Reads the picture's pixels back through a DC: icons drawn over green.
std::vector<gdi::COLORREF> Drawn(const picture::Picture& picture) {
    const gdi::HDC screen = gdi::GetDC(0);
    const gdi::HDC dc = gdi::CreateCompatibleDC(screen);
    const gdi::HBITMAP canvas = gdi::CreateCompatibleBitmap(screen, picture.Width(), picture.Height());
    gdi::ReleaseDC(0, screen);
    const gdi::HGDIOBJ previous = gdi::SelectObject(dc, canvas);
    const gdi::HBRUSH green = gdi::CreateSolidBrush(gdi::RGB(0, 200, 0));
    const gdi::RECT all{0, 0, picture.Width(), picture.Height()};
    gdi::FillRect(dc, &all, green);
    if (picture.Type() == picture::PictureType::Icon) {
        gdi::DrawIconEx(dc, 0, 0, picture.Handle(), 0, 0, 0, 0, gdi::DI_NORMAL);
    } else {
        const gdi::HDC source = gdi::CreateCompatibleDC(dc);
        const gdi::HGDIOBJ old = gdi::SelectObject(source, picture.Handle());
        gdi::BitBlt(dc, 0, 0, picture.Width(), picture.Height(), source, 0, 0, gdi::SRCCOPY);
        gdi::SelectObject(source, old);
        gdi::DeleteDC(source);
    }
    std::vector<gdi::COLORREF> pixels;
    for (int y = 0; y < picture.Height(); ++y)
        for (int x = 0; x < picture.Width(); ++x)
            pixels.push_back(gdi::GetPixel(dc, x, y));
    gdi::SelectObject(dc, previous);
    gdi::DeleteObject(green);
    gdi::DeleteObject(canvas);
    gdi::DeleteDC(dc);
    return pixels;
}

TEST(WicPictures, BitmapsKeepEveryPixelInPlace) {
    const std::uint32_t colours[2][4] = {{0xFF0000, 0x00FF00, 0x0000FF, 0x123456},
                                         {0xFFFFFF, 0x000000, 0x808080, 0xFEDCBA}};
    const picture::PicturePtr picture = picture::LoadPictureBytes(Bmp(colours));
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(picture->Type(), picture::PictureType::Bitmap);
    ASSERT_EQ(picture->Width(), 4);
    ASSERT_EQ(picture->Height(), 2);
    const std::vector<gdi::COLORREF> drawn = Drawn(*picture);
    for (int i = 0; i < 8; ++i)
        EXPECT_EQ(drawn[static_cast<std::size_t>(i)], Colorref(colours[i / 4][i % 4])) << "pixel " << i;
}

TEST(WicPictures, IconsAndCursorsTakeTheirMaskAndHotSpot) {
    const gdi::COLORREF green = gdi::RGB(0, 200, 0), blue = Colorref(0x2040C0);
    for (const int type : {1, 2}) {
        SCOPED_TRACE(type == 1 ? "icon" : "cursor");
        const picture::PicturePtr picture = picture::LoadPictureBytes(IconFile(type, 0x2040C0));
        ASSERT_NE(picture, nullptr);
        EXPECT_EQ(picture->Type(), picture::PictureType::Icon);
        ASSERT_EQ(picture->Width(), 4);
        ASSERT_EQ(picture->Height(), 4);
        const std::vector<gdi::COLORREF> drawn = Drawn(*picture);
        for (int i = 0; i < 16; ++i)
            EXPECT_EQ(drawn[static_cast<std::size_t>(i)], i % 4 == 0 ? green : blue) << "pixel " << i;
        gdi::ICONINFO info{};
        ASSERT_TRUE(gdi::GetIconInfo(picture->Handle(), &info));
        EXPECT_EQ(info.fIcon, type == 1 ? gdi::TRUE : gdi::FALSE);
        if (type == 2) {
            EXPECT_EQ(info.xHotspot, 1u);
            EXPECT_EQ(info.yHotspot, 2u);
        }
        gdi::DeleteObject(info.hbmMask);
        gdi::DeleteObject(info.hbmColor);
    }
}

TEST(WicPictures, BytesThatAreNoPictureGiveNone) {
    EXPECT_EQ(picture::LoadPictureBytes(Bytes{'B', 'M', 1, 2, 3}), nullptr);
    EXPECT_EQ(picture::LoadPictureBytes(Bytes{0x89, 'P', 'N', 'G', 0, 0}), nullptr);
}

} // namespace
