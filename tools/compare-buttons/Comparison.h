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
    std::string name;
    bool sizeDiffers = false;
    int pixels = 0;             // differing pixels (sizes equal)
    int firstX = 0, firstY = 0; // the first one, in reading order
    std::uint32_t ours = 0, gdi32 = 0;
    const WineDeviation* wineOwn = nullptr;
};

struct ComparisonResult {
    int compared = 0;
    int identical = 0;
    int listedAsWines = 0;
    std::vector<ButtonDifference> differences;
    std::vector<std::string> missing; // drawn on one side only
};

ComparisonResult CompareShots(const NamedShots& ours, const NamedShots& gdi32,
                              const std::vector<WineDeviation>& deviations);

// "N of M buttons pixel-identical, K listed as Wine's own"
std::string SummaryLine(const ComparisonResult& result);
// One line per differing button.
std::string DifferenceLine(const ButtonDifference& difference);
