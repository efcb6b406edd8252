#include "Comparison.h"

#include <cstdio>
#include <map>
#include <sstream>

std::vector<WineDeviation> ParseWineDeviations(const std::string& text) {
    std::vector<WineDeviation> list;
    std::istringstream lines(text);
    std::string line;
    while (std::getline(lines, line)) {
        const std::size_t start = line.find_first_not_of(" \t");
        if (start == std::string::npos || line[start] == '#')
            continue;
        const std::size_t end = line.find_first_of(" \t", start);
        const std::size_t evidence = end == std::string::npos ? end : line.find_first_not_of(" \t", end);
        list.push_back(
            {line.substr(start, end - start), evidence == std::string::npos ? "" : line.substr(evidence)});
    }
    return list;
}

bool NameMatches(const std::string& pattern, const std::string& name) {
    // Greedy-with-backtracking match of '*' (as shells match file names).
    std::size_t p = 0, n = 0, star = std::string::npos, resume = 0;
    while (n < name.size()) {
        if (p < pattern.size() && pattern[p] == '*') {
            star = p++;
            resume = n;
        } else if (p < pattern.size() && pattern[p] == name[n]) {
            ++p;
            ++n;
        } else if (star != std::string::npos) {
            p = star + 1;
            n = ++resume;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == '*')
        ++p;
    return p == pattern.size();
}

namespace {

ButtonDifference Difference(const std::string& name, const ArgbImage& ours, const ArgbImage& gdi32) {
    ButtonDifference difference{name};
    if (ours.width != gdi32.width || ours.height != gdi32.height) {
        difference.kind = ButtonDifference::Kind::Size;
        return difference;
    }
    for (int y = 0; y < ours.height; ++y) {
        for (int x = 0; x < ours.width; ++x) {
            if (ours.At(x, y) == gdi32.At(x, y))
                continue;
            if (difference.pixels++ == 0) {
                difference.firstX = x;
                difference.firstY = y;
                difference.ours = ours.At(x, y);
                difference.gdi32 = gdi32.At(x, y);
            }
        }
    }
    return difference;
}

ButtonDifference OneSideOnly(const std::string& name) {
    ButtonDifference difference{name};
    difference.kind = ButtonDifference::Kind::OneSideOnly;
    return difference;
}

} // namespace

ComparisonResult CompareShots(const NamedShots& ours, const NamedShots& gdi32,
                              const std::vector<WineDeviation>& deviations) {
    std::map<std::string, const ArgbImage*> theirs;
    for (const auto& [name, image] : gdi32)
        theirs[name] = &image;
    std::vector<bool> used(deviations.size(), false);
    ComparisonResult result;
    for (const auto& [name, image] : ours) {
        ++result.compared;
        const auto other = theirs.find(name);
        if (other == theirs.end()) {
            result.differences.push_back(OneSideOnly(name));
            continue;
        }
        ButtonDifference difference = Difference(name, image, *other->second);
        theirs.erase(other);
        if (difference.kind == ButtonDifference::Kind::Pixels && difference.pixels == 0) {
            ++result.identical;
            continue;
        }
        for (std::size_t i = 0; i < deviations.size(); ++i) {
            if (NameMatches(deviations[i].pattern, name)) {
                difference.wineOwn = &deviations[i];
                used[i] = true;
                ++result.listedAsWines;
                break;
            }
        }
        result.differences.push_back(difference);
    }
    for (const auto& [name, image] : theirs) {
        ++result.compared;
        result.differences.push_back(OneSideOnly(name));
    }
    for (std::size_t i = 0; i < deviations.size(); ++i)
        if (!used[i])
            result.unusedDeviations.push_back(&deviations[i]);
    return result;
}

bool ComparisonFails(const ComparisonResult& result) {
    for (const ButtonDifference& difference : result.differences)
        if (difference.wineOwn == nullptr)
            return true;
    return false;
}

std::string SummaryLine(const ComparisonResult& result) {
    return std::to_string(result.identical) + " of " + std::to_string(result.compared) +
           " buttons pixel-identical, " + std::to_string(result.listedAsWines) + " listed as Wine's own";
}

std::string DifferenceLine(const ButtonDifference& difference) {
    char line[160];
    switch (difference.kind) {
    case ButtonDifference::Kind::OneSideOnly:
        std::snprintf(line, sizeof line, "%s: drawn on one side only", difference.name.c_str());
        break;
    case ButtonDifference::Kind::Size:
        std::snprintf(line, sizeof line, "%s: sizes differ", difference.name.c_str());
        break;
    case ButtonDifference::Kind::Pixels:
        std::snprintf(line, sizeof line, "%s: %d pixels differ, first at (%d,%d): ours #%08X, gdi32 #%08X",
                      difference.name.c_str(), difference.pixels, difference.firstX, difference.firstY,
                      difference.ours, difference.gdi32);
        break;
    }
    std::string text = line;
    if (difference.wineOwn)
        text += "  [Wine's own: " + difference.wineOwn->evidence + "]";
    return text;
}
