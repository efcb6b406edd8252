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
    const std::vector<WineDeviation> list =
        ParseWineDeviations("# comment\n\nwine-*   Wine smooths the text\n");
    ASSERT_EQ(list.size(), 1u);
    EXPECT_EQ(list[0].evidence, "Wine smooths the text");

    const ComparisonResult result = CompareShots(ours, gdi32, list);
    EXPECT_EQ(SummaryLine(result), "1 of 4 buttons pixel-identical, 1 listed as Wine's own");
    ASSERT_EQ(result.differences.size(), 3u);
    EXPECT_EQ(DifferenceLine(result.differences[0]),
              "wine-text: 2 pixels differ, first at (1,0): ours #FFF0F0F0, gdi32 #FFF5F5F5"
              "  [Wine's own: Wine smooths the text]");
    EXPECT_EQ(result.differences[1].wineOwn, nullptr);
    EXPECT_EQ(DifferenceLine(result.differences[2]), "taller: sizes differ");
    EXPECT_EQ(result.missing, (std::vector<std::string>{"only-ours", "only-gdi32"}));
}

} // namespace
