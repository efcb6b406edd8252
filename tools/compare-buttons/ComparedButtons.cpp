#include "ComparedButtons.h"

#include <array>
#include <cstdint>
#include <cstdlib>
#include <fstream>

namespace {

constexpr int kShapesWithPicture = 7; // shapes 7 and 8 take their outline from the picture

struct StateCase {
    const char* name;
    Settings settings;
    std::vector<std::string> states;
    bool picture = false;
};

const std::vector<StateCase>& StateCases() {
    static const std::vector<StateCase> cases = {
        {"normal", {}, {}},
        {"hover", {}, {"hover"}},
        {"pushed", {}, {"pushed"}},
        {"default", {{"ShowFocusRect", "True"}}, {"default"}},
        {"disabled", {}, {"disabled"}},
        {"disabled-picture", {}, {"disabled"}, true},
        {"checked-mode1", {{"Mode", "1"}, {"Value", "True"}}, {}},
        {"checked-mode2", {{"Mode", "2"}, {"Value", "True"}}, {}},
    };
    return cases;
}

void AddStylesShapesAndStates(std::vector<ComparedButton>& list, const std::string& picture) {
    for (int style = 0; style <= 7; ++style) {
        for (int shape = 0; shape <= 8; ++shape) {
            for (const StateCase& state : StateCases()) {
                ComparedButton button;
                button.name =
                    "style" + std::to_string(style) + "-shape" + std::to_string(shape) + "-" + state.name;
                if (state.picture || shape >= kShapesWithPicture)
                    button.settings.push_back({"Picture", picture});
                button.settings.push_back({"ButtonStyle", std::to_string(style)});
                button.settings.push_back({"ButtonShape", std::to_string(shape)});
                button.settings.push_back({"Caption", "OK"});
                button.settings.insert(button.settings.end(), state.settings.begin(), state.settings.end());
                button.states = state.states;
                list.push_back(std::move(button));
            }
        }
    }
}

void AddGradients(std::vector<ComparedButton>& list) {
    for (int mode = 1; mode <= 4; ++mode) {
        list.push_back({"gradient-mode" + std::to_string(mode),
                        90,
                        34,
                        {{"BackColor", "#3070B0"},
                         {"GradientColor", "#FFFFFF"},
                         {"GradientMode", std::to_string(mode)},
                         {"Caption", "Gradient"}},
                        {}});
    }
}

void AddPictures(std::vector<ComparedButton>& list, const std::string& picture) {
    const std::array<const char*, 3> aligns = {"0", "1", "4"};
    for (const char* align : aligns) {
        list.push_back({std::string("keyed-picture-align") + align,
                        96,
                        40,
                        {{"Picture", picture}, {"PictureAlign", align}, {"Caption", "Pic"}},
                        {}});
    }
}

void AddMainWindowButtons(std::vector<ComparedButton>& list) {
    const std::array<const char*, 3> names = {"synchronise", "web-page", "test-hosts"};
    const std::array<const char*, 5> states = {"normal", "hover", "pushed", "default", "disabled"};
    for (std::size_t i = 0; i < MainWindowButtons().size(); ++i) {
        const MainWindowButton& stored = MainWindowButtons()[i];
        for (const char* state : states) {
            ComparedButton button{std::string("program-") + names[i] + "-" + state,
                                  stored.width,
                                  stored.height,
                                  stored.stored,
                                  {}};
            if (std::string(state) != "normal")
                button.states.push_back(state);
            list.push_back(std::move(button));
        }
    }
}

void AddCaptions(std::vector<ComparedButton>& list) {
    list.push_back({"two-line-access-key", 90, 44, {{"Caption", "&Two||lines"}, {"Font", "宋体:9"}}, {}});
    // The access key's underline under a wide character, inside the line.
    list.push_back({"access-key-ideograph", 90, 24, {{"Caption", "同步&时间"}, {"Font", "宋体:9"}}, {}});
    for (const char* relief : {"1", "2"}) {
        for (const char* state : {"normal", "disabled"}) {
            ComparedButton button{std::string("relief") + relief + "-" + state,
                                  90,
                                  30,
                                  {{"CaptionStyle", relief}, {"Caption", "Relief"}, {"Font", "宋体:9"}},
                                  {}};
            if (std::string(state) == "disabled")
                button.states.push_back(state);
            list.push_back(std::move(button));
        }
    }
}

void PutLittle(std::ofstream& out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i)
        out.put(static_cast<char>((value >> (8 * i)) & 0xFF));
}

} // namespace

std::vector<ComparedButton> ComparedButtons(const std::string& pictureFile) {
    std::vector<ComparedButton> list;
    AddStylesShapesAndStates(list, pictureFile);
    AddGradients(list);
    AddPictures(list, pictureFile);
    AddMainWindowButtons(list);
    AddCaptions(list);
    return list;
}

bool WriteKeyedPicture(const std::string& path) {
    constexpr int kSide = 24;
    constexpr int kRowBytes = kSide * 3; // a multiple of four: no padding
    std::ofstream out(path, std::ios::binary);
    out.put('B');
    out.put('M');
    PutLittle(out, 54 + kRowBytes * kSide, 4);
    PutLittle(out, 0, 4);
    PutLittle(out, 54, 4);
    for (const std::uint32_t field : {40u, std::uint32_t{kSide}, std::uint32_t{kSide}})
        PutLittle(out, field, 4);
    PutLittle(out, 1, 2);
    PutLittle(out, 24, 2);
    for (int i = 0; i < 6; ++i)
        PutLittle(out, 0, 4);
    for (int row = kSide - 1; row >= 0; --row) { // bottom row first
        for (int x = 0; x < kSide; ++x) {
            const bool square = x >= 3 && x < 11 && row >= 3 && row < 11;
            const bool diamond = std::abs(x - 15) + std::abs(row - 15) <= 7;
            const std::uint32_t rgb = square ? 0xD02020 : diamond ? 0x20A0A0 : 0xFF00FF;
            out.put(static_cast<char>(rgb & 0xFF));
            out.put(static_cast<char>((rgb >> 8) & 0xFF));
            out.put(static_cast<char>((rgb >> 16) & 0xFF));
        }
    }
    return static_cast<bool>(out);
}
