// Loading pictures from bytes: every format becomes the right kind of handle
// with its natural size and its pixels where the drawing layer reads them;
// anything else gives no picture and leaves no handle behind.
#include "platform/picture/Picture.h"
#include "platform/picture/tests/PictureTestSupport.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>

namespace picture::testing {
namespace {

using gdi::RGB;

gdi::DWORD LiveGdiObjects() {
    return gdi::GetGuiResources(gdi::GetCurrentProcess(), gdi::GR_GDIOBJECTS);
}
gdi::DWORD LiveUserObjects() {
    return gdi::GetGuiResources(gdi::GetCurrentProcess(), gdi::GR_USEROBJECTS);
}

bool Near(gdi::COLORREF actual, gdi::COLORREF expected, int tolerance) {
    return std::abs(gdi::GetRValue(actual) - gdi::GetRValue(expected)) <= tolerance &&
           std::abs(gdi::GetGValue(actual) - gdi::GetGValue(expected)) <= tolerance &&
           std::abs(gdi::GetBValue(actual) - gdi::GetBValue(expected)) <= tolerance;
}

void ExpectQuadrants(const Picture& picture, int tolerance) {
    ASSERT_EQ(picture.Type(), PictureType::Bitmap);
    EXPECT_EQ(picture.Width(), 32);
    EXPECT_EQ(picture.Height(), 32);
    gdi::BITMAP info{};
    ASSERT_EQ(gdi::GetObjectA(picture.Handle(), sizeof info, &info), static_cast<int>(sizeof info));
    EXPECT_EQ(info.bmWidth, 32);
    EXPECT_EQ(info.bmHeight, 32);
    EXPECT_EQ(info.bmBitsPixel, 32);
    EXPECT_NE(info.bmBits, nullptr); // a DIB section: the control tells bitmaps from icons by this

    BitmapReader pixels(picture.Handle());
    const struct {
        int x, y;
        gdi::COLORREF color;
    } probes[] = {{4, 4, RGB(255, 0, 0)},
                  {27, 4, RGB(0, 255, 0)},
                  {4, 27, RGB(0, 0, 255)},
                  {27, 27, RGB(255, 255, 255)}};
    for (const auto& probe : probes) {
        const gdi::COLORREF actual = pixels.At(probe.x, probe.y);
        EXPECT_TRUE(Near(actual, probe.color, tolerance))
            << "at " << probe.x << "," << probe.y << ": 0x" << std::hex << actual << " expected 0x"
            << probe.color;
    }
}

TEST(PictureBitmaps, BmpPngAndJpegDecodeToDibSections) {
    const Bytes bmp = Encode(Quadrants(), "bmp");
    const Bytes png = Encode(Quadrants(), "png");
    const Bytes jpeg = Encode(Quadrants(), "jpg", 100);
    ASSERT_FALSE(bmp.empty());
    ASSERT_FALSE(png.empty());
    ASSERT_FALSE(jpeg.empty());
    for (const auto& [name, bytes, tolerance] :
         {std::tuple{"bmp", bmp, 0}, std::tuple{"png", png, 0}, std::tuple{"jpeg", jpeg, 12}}) {
        SCOPED_TRACE(name);
        const PicturePtr picture = LoadPictureBytes(bytes);
        ASSERT_NE(picture, nullptr);
        ExpectQuadrants(*picture, tolerance);
        EXPECT_EQ(picture->Bytes(), bytes); // kept for saving with the form
    }
}

TEST(PictureBitmaps, GifDecodesThroughItsPalette) {
    const std::array<QRgb, 4> palette = {qRgb(0, 0, 0), qRgb(255, 0, 0), qRgb(0, 128, 0), qRgb(10, 20, 30)};
    const Bytes gif = MakeGif(3, 2, palette, {1, 2, 3, 3, 0, 1});
    const PicturePtr picture = LoadPictureBytes(gif);
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(picture->Type(), PictureType::Bitmap);
    EXPECT_EQ(picture->Width(), 3);
    EXPECT_EQ(picture->Height(), 2);
    BitmapReader pixels(picture->Handle());
    EXPECT_EQ(pixels.At(0, 0), RGB(255, 0, 0));
    EXPECT_EQ(pixels.At(1, 0), RGB(0, 128, 0));
    EXPECT_EQ(pixels.At(2, 0), RGB(10, 20, 30));
    EXPECT_EQ(pixels.At(0, 1), RGB(10, 20, 30));
    EXPECT_EQ(pixels.At(1, 1), RGB(0, 0, 0));
    EXPECT_EQ(pixels.At(2, 1), RGB(255, 0, 0));
}

TEST(PictureBitmaps, RowsAreStoredBottomUpAsBgraWords) {
    QImage image(2, 3, QImage::Format_RGB32);
    image.fill(qRgb(1, 2, 3));
    image.setPixel(0, 2, qRgb(0xAA, 0xBB, 0xCC)); // bottom left
    image.setPixel(1, 0, qRgb(0x11, 0x22, 0x33)); // top right
    const PicturePtr picture = LoadPictureBytes(Encode(image, "png"));
    ASSERT_NE(picture, nullptr);
    gdi::BITMAP info{};
    gdi::GetObjectA(picture->Handle(), sizeof info, &info);
    ASSERT_NE(info.bmBits, nullptr);
    const auto* bytes = static_cast<const std::uint8_t*>(info.bmBits);
    // The first row in memory is the bottom row; each pixel is B, G, R, 0.
    EXPECT_EQ(bytes[0], 0xCC);
    EXPECT_EQ(bytes[1], 0xBB);
    EXPECT_EQ(bytes[2], 0xAA);
    EXPECT_EQ(bytes[3], 0x00);
    const auto* words = static_cast<const std::uint32_t*>(info.bmBits);
    EXPECT_EQ(words[2 * 2 + 1], 0x00112233u); // top row, last in memory
}

TEST(PictureBitmaps, AlphaIsDroppedAndTheColourKept) {
    QImage image(2, 1, QImage::Format_ARGB32);
    image.setPixel(0, 0, qRgba(200, 100, 50, 128));
    image.setPixel(1, 0, qRgba(40, 50, 60, 255));
    const PicturePtr picture = LoadPictureBytes(Encode(image, "png"));
    ASSERT_NE(picture, nullptr);
    BitmapReader pixels(picture->Handle());
    EXPECT_EQ(pixels.At(0, 0), RGB(200, 100, 50));
    EXPECT_EQ(pixels.At(1, 0), RGB(40, 50, 60));
}

TEST(PictureRejects, BytesThatAreNoPictureGiveNullAndNoHandle) {
    const gdi::DWORD gdiBefore = LiveGdiObjects();
    const gdi::DWORD userBefore = LiveUserObjects();
    Bytes png = Encode(Quadrants(), "png");
    Bytes truncatedPng(png.begin(), png.begin() + 40);
    Bytes bmp = Encode(Quadrants(), "bmp");
    Bytes brokenBmp(bmp.begin(), bmp.begin() + 30);
    Bytes icon = Encode(HalfTransparent(16, qRgb(1, 2, 3)), "ico");
    Bytes iconPointingOutside = icon;
    iconPointingOutside[18] = 0xFF; // image offset far past the end
    iconPointingOutside[19] = 0xFF;
    Bytes garbage;
    std::srand(7);
    for (int i = 0; i < 300; ++i) {
        garbage.push_back(static_cast<std::uint8_t>(std::rand() & 0xFF));
    }
    const Bytes text = {'h', 'e', 'l', 'l', 'o'};
    for (const Bytes& bytes : {Bytes{}, text, garbage, truncatedPng, brokenBmp, iconPointingOutside,
                               Bytes{0xFF, 0xD8, 0xFF, 0x00}, Bytes{'G', 'I', 'F', '8', '9', 'a'}}) {
        EXPECT_EQ(LoadPictureBytes(bytes), nullptr) << bytes.size() << " bytes";
    }
    EXPECT_EQ(LiveGdiObjects(), gdiBefore);
    EXPECT_EQ(LiveUserObjects(), userBefore);
}

void SetWord(Bytes& bytes, std::size_t at, int value) {
    bytes[at] = static_cast<std::uint8_t>(value & 0xFF);
    bytes[at + 1] = static_cast<std::uint8_t>((value >> 8) & 0xFF);
}

void SetDword(Bytes& bytes, std::size_t at, std::int32_t value) {
    SetWord(bytes, at, static_cast<int>(value & 0xFFFF));
    SetWord(bytes, at + 2, static_cast<int>((static_cast<std::uint32_t>(value) >> 16) & 0xFFFF));
}

// A chunk whose length field claims about 2 GB, with a few bytes behind it.
Bytes WithHugeTextChunkAt(Bytes png, std::size_t at) {
    const Bytes chunk = {0x7F, 0xFF, 0xFF, 0xF0, 't', 'E', 'X', 't', 'C',
                         'o',  'm',  'm',  'e',  'n', 't', 0,   'x'};
    png.insert(png.begin() + static_cast<std::ptrdiff_t>(at), chunk.begin(), chunk.end());
    return png;
}

// Inputs that declare a size other than the one the reader announces, or
// metadata that costs more than the picture: each is refused or decoded to
// the size it really has.
TEST(PictureSizes, TheSizeThatWillBeDecodedIsCheckedAndMetadataIsSkipped) {
    const std::array<QRgb, 4> palette = {qRgb(0, 0, 0), qRgb(255, 0, 0), qRgb(0, 255, 0), qRgb(0, 0, 255)};
    Bytes hugeScreenGif = MakeGif(1, 1, palette, {1});
    SetWord(hugeScreenGif, 6, 32767);
    SetWord(hugeScreenGif, 8, 1000);
    Bytes wideScreenGif = MakeGif(1, 1, palette, {1});
    SetWord(wideScreenGif, 6, 3);
    // The limits: sides of up to 16384 pixels, 2 megapixels in all.
    auto screenGif = [&](int width, int height) {
        Bytes gif = MakeGif(1, 1, palette, {1});
        SetWord(gif, 6, width);
        SetWord(gif, 8, height);
        return gif;
    };
    const Bytes bmp = Encode(Quadrants(), "bmp");
    Bytes topDownBmp = bmp;
    SetDword(topDownBmp, 22, -32);
    Bytes hugeTopDownBmp = Bytes(bmp.begin(), bmp.begin() + 118);
    SetDword(hugeTopDownBmp, 18, 32767);
    SetDword(hugeTopDownBmp, 22, -1000);
    // An OS/2 bitmap: its 12-byte core header holds 16-bit sizes.
    auto coreBmp = [](int width, int height) {
        const int rowBytes = (width * 3 + 3) / 4 * 4;
        Bytes file(26 + static_cast<std::size_t>(rowBytes * height), 0x80);
        file[0] = 'B';
        file[1] = 'M';
        SetDword(file, 2, static_cast<std::int32_t>(file.size()));
        SetDword(file, 6, 0);
        SetDword(file, 10, 26);
        SetDword(file, 14, 12);
        SetWord(file, 18, width);
        SetWord(file, 20, height);
        SetWord(file, 22, 1);
        SetWord(file, 24, 24);
        return file;
    };
    const Bytes png = Encode(Quadrants(), "png");
    const std::size_t afterHeader = 8 + 25;
    const std::size_t beforeEnd = png.size() - 12;

    const struct {
        const char* name;
        Bytes bytes;
        int width; // 0: refused
        int height;
    } rows[] = {
        {"GIF with a 32767 x 1000 screen", hugeScreenGif, 0, 0},
        {"GIF with a 3 x 1 screen", wideScreenGif, 3, 1},
        {"GIF with a 16384 x 1 screen", screenGif(16384, 1), 16384, 1},
        {"GIF with a 16385 x 1 screen", screenGif(16385, 1), 0, 0},
        {"GIF with a 2048 x 1024 screen", screenGif(2048, 1024), 2048, 1024},
        {"GIF with a 2049 x 1024 screen", screenGif(2049, 1024), 0, 0},
        {"top-down BMP", topDownBmp, 32, 32},
        {"top-down BMP of 32767 x 1000", hugeTopDownBmp, 0, 0},
        {"core-header BMP of 4 x 3", coreBmp(4, 3), 4, 3},
        {"PNG with a 2 GB text chunk before its data", WithHugeTextChunkAt(png, afterHeader), 0, 0},
        {"PNG with a 2 GB text chunk after its data", WithHugeTextChunkAt(png, beforeEnd), 32, 32},
    };
    for (const auto& row : rows) {
        const PicturePtr picture = LoadPictureBytes(row.bytes);
        ASSERT_EQ(picture != nullptr, row.width != 0) << row.name;
        if (picture) {
            EXPECT_EQ(picture->Width(), row.width) << row.name;
            EXPECT_EQ(picture->Height(), row.height) << row.name;
        }
    }
}

TEST(PictureFiles, LoadsAFileAndRefusesAMissingOne) {
    const std::filesystem::path path = std::filesystem::temp_directory_path() / "dunmora_picture_test.png";
    const Bytes png = Encode(Quadrants(), "png");
    {
        std::ofstream file(path, std::ios::binary);
        file.write(reinterpret_cast<const char*>(png.data()), static_cast<std::streamsize>(png.size()));
    }
    const PicturePtr picture = LoadPictureFile(path.string());
    std::filesystem::remove(path);
    ASSERT_NE(picture, nullptr);
    ExpectQuadrants(*picture, 0);
    EXPECT_EQ(picture->Bytes(), png);
    EXPECT_EQ(LoadPictureFile(path.string()), nullptr);
    EXPECT_EQ(LoadPictureFile(std::filesystem::temp_directory_path().string()), nullptr); // a folder
}

TEST(PictureHandles, EachPictureHoldsOneHandleAndReleasesIt) {
    const gdi::DWORD gdiBefore = LiveGdiObjects();
    const gdi::DWORD userBefore = LiveUserObjects();
    {
        const PicturePtr bitmap = LoadPictureBytes(Encode(Quadrants(), "png"));
        ASSERT_NE(bitmap, nullptr);
        EXPECT_EQ(LiveGdiObjects(), gdiBefore + 1);
        const PicturePtr icon = LoadPictureBytes(Encode(HalfTransparent(16, qRgb(1, 2, 3)), "ico"));
        ASSERT_NE(icon, nullptr);
        // The mask and colour bitmaps the icon was built from are gone again.
        EXPECT_EQ(LiveGdiObjects(), gdiBefore + 1);
        EXPECT_EQ(LiveUserObjects(), userBefore + 1);
    }
    EXPECT_EQ(LiveGdiObjects(), gdiBefore);
    EXPECT_EQ(LiveUserObjects(), userBefore);
}

} // namespace
} // namespace picture::testing
