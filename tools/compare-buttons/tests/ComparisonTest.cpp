#include "Comparison.h"

#include <gtest/gtest.h>

namespace {

TEST(CompareButtons, PatternsMatchWholeNamesWithStarsForAnyText) {
    const struct {
        const char* pattern;
        const char* name;
        bool matches;
    } rows[] = {
        {"style1-shape0-normal", "style1-shape0-normal", true},
        {"style1-shape0", "style1-shape0-normal", false},
        {"*-disabled", "style3-shape2-disabled", true},
        {"*-disabled", "style3-shape2-disabled-picture", false},
        {"style*-shape7-*", "style0-shape7-hover", true},
        {"style*-shape7-*", "style0-shape8-hover", false},
        {"*", "", true},
        {"a*b*c", "axxbyybc", true},
    };
    for (const auto& row : rows)
        EXPECT_EQ(NameMatches(row.pattern, row.name), row.matches) << row.pattern << " / " << row.name;
}

TEST(CompareButtons, EachButtonIsIdenticalListedOrUnexplained) {
    const ArgbImage grey(2, 2, 0xFFF0F0F0);
    ArgbImage twoPixelsOff = grey;
    twoPixelsOff.At(1, 0) = 0xFFF5F5F5;
    twoPixelsOff.At(0, 1) = 0xFF000000;
    const NamedShots ours = {
        {"same", grey}, {"wine-text", grey}, {"ours-wrong", grey}, {"taller", grey}, {"only-ours", grey}};
    const NamedShots gdi32 = {{"same", grey},
                              {"wine-text", twoPixelsOff},
                              {"ours-wrong", twoPixelsOff},
                              {"taller", ArgbImage(2, 3, 0xFFF0F0F0)},
                              {"only-gdi32", grey}};
    const std::vector<WineDeviation> list = ParseWineDeviations(
        "# comment\n\n  wine-*   Wine smooths the text\nonly-*\tnever listed\nsame  differs no more\n");
    ASSERT_EQ(list.size(), 3u);
    EXPECT_EQ(list[0].pattern, "wine-*");
    EXPECT_EQ(list[0].evidence, "Wine smooths the text");

    const ComparisonResult result = CompareShots(ours, gdi32, list);
    EXPECT_EQ(SummaryLine(result), "1 of 6 buttons pixel-identical, 1 listed as Wine's own");
    std::vector<std::string> lines;
    for (const ButtonDifference& difference : result.differences)
        lines.push_back(DifferenceLine(difference));
    EXPECT_EQ(lines, (std::vector<std::string>{
                         "wine-text: 2 pixels differ, first at (1,0): ours #FFF0F0F0, gdi32 #FFF5F5F5"
                         "  [Wine's own: Wine smooths the text]",
                         "ours-wrong: 2 pixels differ, first at (1,0): ours #FFF0F0F0, gdi32 #FFF5F5F5",
                         "taller: sizes differ",
                         // A button drawn on one side only is never Wine's own, whatever the list says.
                         "only-ours: drawn on one side only",
                         "only-gdi32: drawn on one side only",
                     }));
    ASSERT_EQ(result.unusedDeviations.size(), 2u);
    EXPECT_EQ(result.unusedDeviations[0]->pattern, "only-*");
    EXPECT_EQ(result.unusedDeviations[1]->pattern, "same");
}

TEST(CompareButtons, FailsOnAnyDifferenceNotListedAsWines) {
    const ArgbImage grey(2, 1, 0xFFF0F0F0);
    ArgbImage off = grey;
    off.At(1, 0) = 0xFF000000;
    const std::vector<WineDeviation> list = ParseWineDeviations("listed  Wine's own\n");
    const struct {
        const char* name;
        NamedShots gdi32;
        bool fails;
    } rows[] = {
        {"all identical", {{"listed", grey}, {"matched", grey}}, false},
        {"only a listed button differs", {{"listed", off}, {"matched", grey}}, false},
        {"a button that matched differs", {{"listed", grey}, {"matched", off}}, true},
        {"a size differs", {{"listed", grey}, {"matched", ArgbImage(1, 1, 0xFFF0F0F0)}}, true},
        {"a button is missing", {{"listed", grey}}, true},
    };
    const NamedShots ours = {{"listed", grey}, {"matched", grey}};
    for (const auto& row : rows)
        EXPECT_EQ(ComparisonFails(CompareShots(ours, row.gdi32, list)), row.fails) << row.name;
}

} // namespace
