// Comparing the buttons our layer drew with those gdi32 drew, pixel for
// pixel, against the list of differences known to be Wine's own.
#pragma once

#include "ShotFile.h"

#include <cstdint>
#include <string>
#include <vector>

// One line of the list: buttons whose names match the pattern ('*' stands
// for any text) differ because of a deviation of Wine from Windows.
struct WineDeviation {
    std::string pattern;
    std::string evidence;
};

// Lines "pattern  evidence"; blank lines and lines starting with '#' are skipped.
std::vector<WineDeviation> ParseWineDeviations(const std::string& text);
bool NameMatches(const std::string& pattern, const std::string& name);

struct ButtonDifference {
    enum class Kind { Pixels, Size, OneSideOnly };
    std::string name;
    Kind kind = Kind::Pixels;
    int pixels = 0;             // differing pixels (Kind::Pixels)
    int firstX = 0, firstY = 0; // the first one, in reading order
    std::uint32_t ours = 0, gdi32 = 0;
    const WineDeviation* wineOwn = nullptr; // never set for a button drawn on one side only
};

struct ComparisonResult {
    int compared = 0; // every button drawn on either side
    int identical = 0;
    int listedAsWines = 0;
    std::vector<ButtonDifference> differences; // ours' order, then those only gdi32 drew
    std::vector<const WineDeviation*> unusedDeviations; // lines that matched no differing button
};

ComparisonResult CompareShots(const NamedShots& ours, const NamedShots& gdi32,
                              const std::vector<WineDeviation>& deviations);

// The comparison fails when a button differs for a reason not listed as
// Wine's own, or was drawn on one side only: so also when a button that
// matched starts to differ. A listed line that no longer matches anything
// does not fail it (the line is reported so that it can go).
bool ComparisonFails(const ComparisonResult& result);

// "N of M buttons pixel-identical, K listed as Wine's own"
std::string SummaryLine(const ComparisonResult& result);
// One line per differing button.
std::string DifferenceLine(const ButtonDifference& difference);
