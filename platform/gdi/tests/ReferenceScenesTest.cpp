// Our drawing layer against pictures recorded under Windows' drawing rules
// (tools/gdi-reference): every scene must give the same pixels, return values
// and region boxes. Scenes marked as exceptions are reported, not compared.
#include "tools/gdi-reference/Scenes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <sstream>

namespace {

using gdi_reference::SceneResult;

std::string ReadFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// The area around the differing pixels, expected and ours side by side, one
// character per colour (a shared legend), rows with a difference marked '*'.
std::string SideBySide(const SceneResult& expected, const SceneResult& actual) {
    int left = expected.width, top = expected.height, right = -1, bottom = -1, count = 0;
    std::string listed;
    for (int y = 0; y < expected.height; ++y) {
        for (int x = 0; x < expected.width; ++x) {
            const std::size_t i = static_cast<std::size_t>(y) * expected.width + x;
            if (expected.pixels[i] == actual.pixels[i])
                continue;
            if (++count <= 12) {
                char entry[64];
                std::snprintf(entry, sizeof entry, " (%d,%d) %06X/%06X", x, y, expected.pixels[i],
                              actual.pixels[i]);
                listed += entry;
            }
            left = std::min(left, x);
            right = std::max(right, x);
            top = std::min(top, y);
            bottom = std::max(bottom, y);
        }
    }
    std::ostringstream out;
    out << count << " pixels differ (x,y expected/ours):" << listed << (count > 12 ? " ..." : "") << "\n";
    constexpr int kMargin = 3;
    left = std::max(0, left - kMargin);
    top = std::max(0, top - kMargin);
    right = std::min(expected.width - 1, right + kMargin);
    bottom = std::min(expected.height - 1, bottom + kMargin);
    std::map<std::uint32_t, char> legend;
    const std::string letters = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    auto letter = [&](std::uint32_t color) {
        auto found = legend.find(color);
        if (found != legend.end())
            return found->second;
        const char c = legend.size() < letters.size() ? letters[legend.size()] : '?';
        legend[color] = c;
        return c;
    };
    out << "area x " << left << ".." << right << ", y " << top << ".." << bottom << "; expected | ours\n";
    for (int y = top; y <= bottom; ++y) {
        std::string e, a;
        for (int x = left; x <= right; ++x) {
            const std::size_t i = static_cast<std::size_t>(y) * expected.width + x;
            e += letter(expected.pixels[i]);
            a += letter(actual.pixels[i]);
        }
        out << (e == a ? "  " : "* ") << e << " | " << a << "\n";
    }
    out << "legend:";
    for (const auto& [color, c] : legend) {
        char entry[16];
        std::snprintf(entry, sizeof entry, " %c=%06X", c, color);
        out << entry;
    }
    return out.str() + "\n";
}

// What differs between the recorded and our scene; empty when they agree.
std::string Differences(const SceneResult& expected, const SceneResult& actual) {
    std::string out;
    if (expected.facts != actual.facts) {
        const std::size_t n = std::max(expected.facts.size(), actual.facts.size());
        for (std::size_t i = 0; i < n; ++i) {
            const std::string e = i < expected.facts.size() ? expected.facts[i] : "(none)";
            const std::string a = i < actual.facts.size() ? actual.facts[i] : "(none)";
            if (e != a)
                out += "  expected \"" + e + "\", ours \"" + a + "\"\n";
        }
    }
    if (expected.width != actual.width || expected.height != actual.height)
        return out + "  picture sizes differ\n";
    if (expected.pixels != actual.pixels)
        out += SideBySide(expected, actual);
    return out;
}

// Scenes known to differ still (ReferencePending.txt): one "family/name" a line.
const std::set<std::string>& Pending() {
    static const std::set<std::string> names = [] {
        std::set<std::string> read;
        std::istringstream in(ReadFile(GDI_REFERENCE_PENDING));
        std::string line;
        while (std::getline(in, line)) {
            if (!line.empty() && line[0] != '#')
                read.insert(line);
        }
        return read;
    }();
    return names;
}

class ReferenceScenes : public ::testing::TestWithParam<std::string> {
  protected:
    static const std::vector<SceneResult>& Ours() {
        static const std::vector<SceneResult> scenes = gdi_reference::RunAllScenes();
        return scenes;
    }
};

TEST_P(ReferenceScenes, MatchTheRecordedReference) {
    const std::string family = GetParam();
    std::vector<SceneResult> recorded;
    std::string error;
    ASSERT_TRUE(ParseScenes(ReadFile(std::filesystem::path(GDI_REFERENCE_DIR) / (family + ".txt")), &recorded,
                            &error))
        << family << ": " << error;
    std::map<std::string, const SceneResult*> ours;
    for (const SceneResult& scene : Ours()) {
        if (scene.family == family)
            ours[scene.name] = &scene;
    }
    ASSERT_EQ(recorded.size(), ours.size())
        << family << ": the stored file and the scene source disagree; re-record";
    std::size_t pixels = 0, differing = 0, pending = 0;
    for (const SceneResult& expected : recorded) {
        const auto found = ours.find(expected.name);
        ASSERT_NE(found, ours.end()) << "no scene " << family << "/" << expected.name << "; re-record";
        pixels += expected.pixels.size();
        if (!expected.exception.empty()) {
            std::cout << "exception " << family << "/" << expected.name << ": " << expected.exception << "\n";
            continue;
        }
        const std::string differences = Differences(expected, *found->second);
        const std::string id = family + "/" + expected.name;
        if (Pending().count(id)) {
            ++pending;
            EXPECT_FALSE(differences.empty())
                << "scene " << id << " now matches: take it off ReferencePending.txt";
            continue;
        }
        if (!differences.empty()) {
            ++differing;
            ADD_FAILURE() << "scene " << id << "\n" << differences;
        }
    }
    std::cout << family << ": " << recorded.size() << " scenes, " << pixels << " pixels compared, "
              << differing << " scenes differ, " << pending << " known to differ still\n";
}

INSTANTIATE_TEST_SUITE_P(Families, ReferenceScenes,
                         ::testing::Values("lines", "rectangle", "ellipse", "arc", "region", "blit",
                                           "stretch", "mask", "focus", "misc", "icon", "dibmono", "topbyte",
                                           "formats"),
                         [](const auto& param) { return param.param; });

} // namespace
