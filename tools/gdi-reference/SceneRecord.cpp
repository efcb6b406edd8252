#include "SceneRecord.h"

#include <cstdio>
#include <cstdlib>
#include <map>
#include <sstream>

namespace gdi_reference {

namespace {

// Palette letters in order of first appearance, so equal pictures give equal text.
constexpr char kLetters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ!#$%&*+-/:;<>?@^_|";

} // namespace

std::string FormatScene(const SceneResult& scene) {
    std::string out = "scene " + scene.family + "/" + scene.name + "\n";
    if (!scene.exception.empty())
        out += "exception " + scene.exception + "\n";
    for (const std::string& fact : scene.facts)
        out += fact + "\n";
    if (scene.width > 0 && scene.height > 0) {
        // One letter per colour, or two when a picture has more colours than letters.
        std::map<std::uint32_t, std::string> letters;
        for (std::uint32_t color : scene.pixels)
            letters.emplace(color, "");
        const std::size_t alphabet = sizeof kLetters - 1;
        const bool pairs = letters.size() > alphabet;
        std::string palette;
        std::size_t index = 0;
        for (std::uint32_t color : scene.pixels) {
            std::string& letter = letters[color];
            if (!letter.empty())
                continue;
            letter = pairs ? std::string{kLetters[index / alphabet % alphabet], kLetters[index % alphabet]}
                           : std::string(1, kLetters[index]);
            ++index;
            char entry[24];
            std::snprintf(entry, sizeof entry, color > 0xFFFFFF ? " %s=%08X" : " %s=%06X", letter.c_str(),
                          static_cast<unsigned>(color));
            palette += entry;
        }
        out += "pixels " + std::to_string(scene.width) + " " + std::to_string(scene.height) + palette + "\n";
        std::string previous;
        for (int y = 0; y < scene.height; ++y) {
            std::string row;
            for (int x = 0; x < scene.width;) {
                const std::uint32_t color = scene.pixels[static_cast<std::size_t>(y) * scene.width + x];
                int run = 1;
                while (x + run < scene.width &&
                       scene.pixels[static_cast<std::size_t>(y) * scene.width + x + run] == color)
                    ++run;
                row += letters[color];
                if (run > 1)
                    row += std::to_string(run);
                x += run;
            }
            out += (y > 0 && row == previous ? std::string("=") : row) + "\n";
            previous = row;
        }
    }
    out += "end\n";
    return out;
}

bool ParseScenes(const std::string& text, std::vector<SceneResult>* scenes, std::string* error) {
    std::istringstream in(text);
    std::string line;
    int lineNumber = 0;
    auto fail = [&](const std::string& why) {
        *error = "line " + std::to_string(lineNumber) + ": " + why;
        return false;
    };
    while (std::getline(in, line)) {
        ++lineNumber;
        if (line.empty() || line[0] == '#')
            continue;
        if (line.rfind("scene ", 0) != 0)
            return fail("expected a scene");
        SceneResult scene;
        const std::string id = line.substr(6);
        const std::size_t slash = id.find('/');
        if (slash == std::string::npos)
            return fail("scene without family");
        scene.family = id.substr(0, slash);
        scene.name = id.substr(slash + 1);
        std::map<std::string, std::uint32_t> palette;
        std::size_t tokenLength = 1;
        bool ended = false;
        while (!ended && std::getline(in, line)) {
            ++lineNumber;
            if (line == "end") {
                ended = true;
            } else if (line.rfind("exception ", 0) == 0) {
                scene.exception = line.substr(10);
            } else if (line.rfind("ret ", 0) == 0 || line.rfind("box ", 0) == 0) {
                scene.facts.push_back(line);
            } else if (line.rfind("pixels ", 0) == 0) {
                std::istringstream header(line.substr(7));
                header >> scene.width >> scene.height;
                std::string entry;
                while (header >> entry) {
                    tokenLength = entry.find('=');
                    const std::size_t digits = entry.size() - tokenLength - 1;
                    if (tokenLength < 1 || tokenLength > 2 || (digits != 6 && digits != 8))
                        return fail("bad palette entry " + entry);
                    palette[entry.substr(0, tokenLength)] = static_cast<std::uint32_t>(
                        std::strtoul(entry.c_str() + tokenLength + 1, nullptr, 16));
                }
                if (scene.width <= 0 || scene.height <= 0 || scene.width > 4096 || scene.height > 4096)
                    return fail("bad picture size");
                std::string previous;
                for (int y = 0; y < scene.height; ++y) {
                    if (!std::getline(in, line))
                        return fail("picture cut short");
                    ++lineNumber;
                    const std::string row = line == "=" ? previous : line;
                    int x = 0;
                    for (std::size_t i = 0; i < row.size();) {
                        const auto found = palette.find(row.substr(i, tokenLength));
                        if (found == palette.end())
                            return fail("letter not in palette");
                        i += tokenLength;
                        int run = 0;
                        while (i < row.size() && row[i] >= '0' && row[i] <= '9' && run < 100000)
                            run = run * 10 + (row[i++] - '0');
                        run = run == 0 ? 1 : run;
                        if (x + run > scene.width)
                            return fail("row too long");
                        scene.pixels.insert(scene.pixels.end(), static_cast<std::size_t>(run), found->second);
                        x += run;
                    }
                    if (x != scene.width)
                        return fail("row too short");
                    previous = row;
                }
            } else {
                return fail("unknown line " + line);
            }
        }
        if (!ended)
            return fail("scene without end");
        scenes->push_back(std::move(scene));
    }
    return true;
}

} // namespace gdi_reference
