// compare-buttons OURS GDI32 WINE-DEVIATIONS SHEET.png: compares the two shot
// files, prints one line per differing button and the summary line, and
// writes a contact sheet of the differing buttons (ours, gdi32's, the
// difference in red). Exits 1 when a button differs for a reason that is not
// listed as Wine's own, or was drawn on one side only.
#include "ArgbImage.h"
#include "Comparison.h"
#include "PngWriter.h"
#include "SheetLabels.h"

#include <algorithm>
#include <cstdio>
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

bool WriteSheet(const ComparisonResult& result, const NamedShots& ours, const NamedShots& gdi32,
                const std::string& path) {
    std::vector<ArgbImage> rows;
    int width = 0, height = kGap;
    for (const ButtonDifference& difference : result.differences) {
        const ArgbImage* a = Find(ours, difference.name);
        const ArgbImage* b = Find(gdi32, difference.name);
        const ArgbImage label = RenderLabel(difference.name, kSheetColour);
        const ArgbImage parts[] = {Enlarge(*a, kScale), Enlarge(*b, kScale),
                                   Enlarge(DifferenceImage(*a, *b), kScale)};
        int rowWidth = label.width + kGap, rowHeight = label.height;
        for (const ArgbImage& part : parts) {
            rowWidth += part.width + kGap;
            rowHeight = std::max(rowHeight, part.height);
        }
        ArgbImage row(rowWidth, rowHeight, kSheetPixel);
        Compose(row, label, 0, 0);
        int x = label.width + kGap;
        for (const ArgbImage& part : parts) {
            Compose(row, part, x, 0);
            x += part.width + kGap;
        }
        width = std::max(width, row.width + 2 * kGap);
        height += row.height + kGap;
        rows.push_back(std::move(row));
    }
    ArgbImage sheet(width, height, kSheetPixel);
    int y = kGap;
    for (const ArgbImage& row : rows) {
        Compose(sheet, row, kGap, y);
        y += row.height + kGap;
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
    bool unexplained = !result.missing.empty();
    for (const std::string& name : result.missing)
        std::printf("%s: drawn on one side only\n", name.c_str());
    for (const ButtonDifference& difference : result.differences) {
        std::printf("%s\n", DifferenceLine(difference).c_str());
        unexplained = unexplained || difference.wineOwn == nullptr;
    }
    if (!result.differences.empty() && !WriteSheet(result, ours, gdi32, argv[4]))
        std::fprintf(stderr, "cannot write %s\n", argv[4]);
    std::printf("%s\n", SummaryLine(result).c_str());
    return unexplained ? 1 : 0;
}
