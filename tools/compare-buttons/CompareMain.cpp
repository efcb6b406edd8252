// compare-buttons OURS GDI32 WINE-DEVIATIONS SHEET.png: compares the two shot
// files, prints one line per differing button and the summary line, and
// writes a contact sheet of the differing buttons (ours, gdi32's, the
// difference in red); with nothing differing, an old sheet is removed. Exits
// 1 when the comparison fails (ComparisonFails), 2 when a file is unreadable.
#include "ArgbImage.h"
#include "Comparison.h"
#include "PngWriter.h"
#include "SheetLabels.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace {

constexpr int kScale = 3;
constexpr int kGap = 6;
constexpr std::uint32_t kSheetColour = 0xF8F8F8; // 0x00BBGGRR, as the labels take it
constexpr std::uint32_t kSheetPixel = 0xFFF8F8F8;

ArgbImage DifferenceImage(const ArgbImage& ours, const ArgbImage& gdi32) {
    ArgbImage image(std::max(ours.width, gdi32.width), std::max(ours.height, gdi32.height), 0xFF000000u);
    for (int y = 0; y < image.height; ++y) {
        for (int x = 0; x < image.width; ++x) {
            const bool inBoth = x < ours.width && y < ours.height && x < gdi32.width && y < gdi32.height;
            const bool same = inBoth && ours.At(x, y) == gdi32.At(x, y);
            image.At(x, y) = same ? 0xFFDDDDDDu : 0xFFFF0000u;
        }
    }
    return image;
}

const ArgbImage* Find(const NamedShots& shots, const std::string& name) {
    for (const auto& [shotName, image] : shots)
        if (shotName == name)
            return &image;
    return nullptr;
}

// A row per differing button: its name, then ours, gdi32's and the
// difference, each column as wide as its widest entry, under a header row.
bool WriteSheet(const ComparisonResult& result, const NamedShots& ours, const NamedShots& gdi32,
                const std::string& path) {
    constexpr int kColumns = 4;
    std::vector<std::array<ArgbImage, kColumns>> rows;
    rows.push_back({ArgbImage(), RenderLabel("our layer", kSheetColour, true),
                    RenderLabel("gdi32 under Wine", kSheetColour, true),
                    RenderLabel("difference", kSheetColour, true)});
    const ArgbImage none;
    for (const ButtonDifference& difference : result.differences) {
        const ArgbImage* a = Find(ours, difference.name);
        const ArgbImage* b = Find(gdi32, difference.name);
        const ArgbImage& mine = a ? *a : none;
        const ArgbImage& theirs = b ? *b : none;
        const std::string note = difference.wineOwn ? " (Wine's own)" : "";
        rows.push_back({RenderLabel(difference.name + note, kSheetColour, difference.wineOwn == nullptr),
                        Enlarge(mine, kScale), Enlarge(theirs, kScale),
                        Enlarge(DifferenceImage(mine, theirs), kScale)});
    }
    std::array<int, kColumns> columnWidths{};
    int width = kGap, height = kGap;
    for (const auto& row : rows) {
        int rowHeight = 0;
        for (int column = 0; column < kColumns; ++column) {
            columnWidths[column] = std::max(columnWidths[column], row[column].width);
            rowHeight = std::max(rowHeight, row[column].height);
        }
        height += rowHeight + kGap;
    }
    for (const int columnWidth : columnWidths)
        width += columnWidth + kGap;
    ArgbImage sheet(width, height, kSheetPixel);
    int y = kGap;
    for (const auto& row : rows) {
        int x = kGap, rowHeight = 0;
        for (int column = 0; column < kColumns; ++column) {
            Compose(sheet, row[column], x, y);
            x += columnWidths[column] + kGap;
            rowHeight = std::max(rowHeight, row[column].height);
        }
        y += rowHeight + kGap;
    }
    return WritePng(sheet, path);
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 5) {
        std::fprintf(stderr, "usage: compare-buttons OURS GDI32 WINE-DEVIATIONS SHEET.png\n");
        return 2;
    }
    NamedShots ours, gdi32;
    if (!ReadShots(argv[1], ours) || !ReadShots(argv[2], gdi32)) {
        std::fprintf(stderr, "cannot read %s or %s\n", argv[1], argv[2]);
        return 2;
    }
    std::ifstream listFile(argv[3]);
    std::stringstream listText;
    listText << listFile.rdbuf();
    const std::vector<WineDeviation> deviations = ParseWineDeviations(listText.str());

    const ComparisonResult result = CompareShots(ours, gdi32, deviations);
    for (const ButtonDifference& difference : result.differences)
        std::printf("%s\n", DifferenceLine(difference).c_str());
    for (const WineDeviation* unused : result.unusedDeviations)
        std::fprintf(stderr, "%s: listed as Wine's own, but no button of that name differs\n",
                     unused->pattern.c_str());
    std::error_code ignored;
    if (result.differences.empty())
        std::filesystem::remove(argv[4], ignored);
    else if (!WriteSheet(result, ours, gdi32, argv[4]))
        std::fprintf(stderr, "cannot write %s\n", argv[4]);
    std::printf("%s\n", SummaryLine(result).c_str());
    return ComparisonFails(result) ? 1 : 0;
}
