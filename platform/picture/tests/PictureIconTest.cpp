// Icons and cursors: the icon handle, its natural size, its mask (from alpha
// or from the file's AND mask), the image chosen from several, and a
// cursor's hot spot.
#include "platform/picture/Picture.h"
#include "platform/picture/tests/PictureTestSupport.h"

#include <gtest/gtest.h>

#include <string>

namespace picture::testing {
namespace {

using gdi::RGB;

constexpr gdi::COLORREF kBackground = RGB(0, 200, 0);

// Draws the icon at its natural size on a background-filled bitmap and
// returns the rows as text: 'o' background, 'x' anything else.
std::vector<std::string> DrawnIcon(const Picture& picture, gdi::COLORREF* sample = nullptr) {
    const int width = picture.Width();
    const int height = picture.Height();
    const gdi::HDC dc = gdi::CreateCompatibleDC(0);
    // Compatible with the screen: a fresh memory DC would give a monochrome bitmap.
    const gdi::HDC screen = gdi::GetDC(0);
    const gdi::HBITMAP canvas = gdi::CreateCompatibleBitmap(screen, width, height);
    gdi::ReleaseDC(0, screen);
    const gdi::HGDIOBJ previous = gdi::SelectObject(dc, canvas);
    const gdi::HBRUSH brush = gdi::CreateSolidBrush(kBackground);
    const gdi::RECT all{0, 0, width, height};
    gdi::FillRect(dc, &all, brush);
    gdi::DrawIconEx(dc, 0, 0, picture.Handle(), width, height, 0, 0, gdi::DI_NORMAL);
    std::vector<std::string> rows;
    for (int y = 0; y < height; ++y) {
        std::string row;
        for (int x = 0; x < width; ++x) {
            row += gdi::GetPixel(dc, x, y) == kBackground ? 'o' : 'x';
        }
        rows.push_back(row);
    }
    if (sample != nullptr) {
        *sample = gdi::GetPixel(dc, 0, 0);
    }
    gdi::SelectObject(dc, previous);
    gdi::DeleteObject(brush);
    gdi::DeleteObject(canvas);
    gdi::DeleteDC(dc);
    return rows;
}

struct IconParts {
    gdi::ICONINFO info{};
    gdi::BITMAP color{};
    gdi::BITMAP mask{};
};

IconParts PartsOf(const Picture& picture) {
    IconParts parts;
    if (gdi::GetIconInfo(picture.Handle(), &parts.info)) {
        gdi::GetObjectA(parts.info.hbmColor, sizeof parts.color, &parts.color);
        gdi::GetObjectA(parts.info.hbmMask, sizeof parts.mask, &parts.mask);
        gdi::DeleteObject(parts.info.hbmColor); // GetIconInfo hands out copies
        gdi::DeleteObject(parts.info.hbmMask);
    }
    return parts;
}

TEST(PictureIcons, AlphaBecomesTheMask) {
    const Bytes bytes = Encode(HalfTransparent(16, qRgb(255, 0, 0)), "ico");
    const PicturePtr picture = LoadPictureBytes(bytes);
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(picture->Type(), PictureType::Icon);
    EXPECT_EQ(picture->Width(), 16);
    EXPECT_EQ(picture->Height(), 16);
    EXPECT_EQ(picture->Bytes(), bytes);

    const IconParts parts = PartsOf(*picture);
    EXPECT_EQ(parts.info.fIcon, gdi::TRUE);
    EXPECT_EQ(parts.color.bmWidth, 16);
    EXPECT_EQ(parts.color.bmHeight, 16);
    EXPECT_EQ(parts.mask.bmBitsPixel, 1);
    // The control asks whether a picture is a bitmap by bmBits: an icon is not.
    gdi::BITMAP asBitmap{};
    gdi::GetObjectA(picture->Handle(), sizeof asBitmap, &asBitmap);
    EXPECT_EQ(asBitmap.bmBits, nullptr);

    gdi::COLORREF opaque = 0;
    const std::vector<std::string> drawn = DrawnIcon(*picture, &opaque);
    for (const std::string& row : drawn) {
        EXPECT_EQ(row, "xxxxxxxxoooooooo");
    }
    EXPECT_EQ(opaque, RGB(255, 0, 0));
}

// A pixel at least half opaque (alpha 128 of 255) is shown, a fainter one is not.
TEST(PictureIcons, PixelsAtLeastHalfOpaqueAreShown) {
    QImage image(4, 1, QImage::Format_ARGB32);
    const int alphas[] = {255, 128, 127, 0};
    for (int x = 0; x < 4; ++x)
        image.setPixel(x, 0, qRgba(255, 0, 0, alphas[x]));
    const PicturePtr picture = LoadPictureBytes(Encode(image, "ico"));
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(DrawnIcon(*picture), std::vector<std::string>{"xxoo"});
}

TEST(PictureIcons, TheFilesAndMaskMakesPixelsTransparent) {
    const PicturePtr picture = LoadPictureBytes(MakeMaskedIcon(qRgb(0, 0, 255)));
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(picture->Type(), PictureType::Icon);
    EXPECT_EQ(picture->Width(), 4);
    EXPECT_EQ(picture->Height(), 4);
    gdi::COLORREF opaque = 0;
    const std::vector<std::string> drawn = DrawnIcon(*picture, &opaque);
    EXPECT_EQ(drawn, (std::vector<std::string>{"xxxo", "xxxo", "xxxo", "xxxo"}));
    EXPECT_EQ(opaque, RGB(0, 0, 255));
}

TEST(PictureIcons, TheStandardSizeIsChosenFromSeveralImages) {
    const Bytes small = Encode(HalfTransparent(16, qRgb(255, 0, 0)), "ico");
    const Bytes standard = Encode(HalfTransparent(32, qRgb(0, 0, 255)), "ico");
    const Bytes large = Encode(HalfTransparent(48, qRgb(255, 255, 0)), "ico");
    const PicturePtr picture = LoadPictureBytes(JoinIcons({small, standard, large}));
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(picture->Width(), 32);
    EXPECT_EQ(picture->Height(), 32);
    gdi::COLORREF color = 0;
    DrawnIcon(*picture, &color);
    EXPECT_EQ(color, RGB(0, 0, 255));

    // Without a 32 x 32 image, the largest.
    const PicturePtr largest = LoadPictureBytes(JoinIcons({small, large}));
    ASSERT_NE(largest, nullptr);
    EXPECT_EQ(largest->Width(), 48);
}

TEST(PictureIcons, CursorsKeepTheirHotSpot) {
    Bytes cursor = Encode(HalfTransparent(32, qRgb(0, 0, 0)), "ico");
    cursor[2] = 2;  // type: cursor
    cursor[10] = 6; // hot spot x where an icon keeps its planes
    cursor[11] = 0;
    cursor[12] = 9; // hot spot y where an icon keeps its bit count
    cursor[13] = 0;
    const PicturePtr picture = LoadPictureBytes(cursor);
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(picture->Type(), PictureType::Icon);
    EXPECT_EQ(picture->Width(), 32);
    const IconParts parts = PartsOf(*picture);
    EXPECT_EQ(parts.info.fIcon, gdi::FALSE);
    EXPECT_EQ(parts.info.xHotspot, 6u);
    EXPECT_EQ(parts.info.yHotspot, 9u);
    EXPECT_EQ(DrawnIcon(*picture)[0], std::string(16, 'x') + std::string(16, 'o'));
}

} // namespace
} // namespace picture::testing
