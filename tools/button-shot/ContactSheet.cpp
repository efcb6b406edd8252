#include "ContactSheet.h"

#include "ButtonStage.h"
#include "SheetLabels.h"

#include <algorithm>
#include <array>
#include <utility>
#include <vector>

namespace {

constexpr std::uint32_t kFormColour = 0xF0F0F0;  // the form's button-face back colour
constexpr int kMargin = 6;
constexpr int kLabelColumn = 112;
constexpr int kHeaderHeight = 34;
constexpr int kRowGap = 3;
constexpr int kGroupGap = 7;
constexpr int kColumnGap = 8;

}  // namespace

const std::array<MainWindowButton, 3>& MainWindowButtons() {
    static const std::array<MainWindowButton, 3> buttons = {{
        {105, 21,
         {{"Caption", "获取标准时间"},
          {"ButtonStyle", "2"},
          {"ForeColor", "#0000C0"},
          {"HoverForeColor", "#0000C0"},
          {"BackColor", "#7AC0DD"},
          {"HoverBackColor", "#C0FFC0"},
          {"GradientColor", "0"},
          {"HoverColorLocks", "1"},
          {"Font", "宋体:9"}}},
        {139, 23,
         {{"Caption", "www.dunmora.example"},
          {"ButtonStyle", "6"},
          {"ButtonShape", "4"},
          {"BackColor", "#7AC0DD"},
          {"HoverBackColor", "#FFC0C0"},
          {"GradientColor", "0"},
          {"HoverColorLocks", "1"},
          {"Font", "宋体:9"}}},
        {181, 21,
         {{"Caption", "测试上面的地址，有效的放下面"},
          {"BackColor", "-2147483633"},  // the system's button-face colour
          {"GradientColor", "0"},
          {"Font", "宋体:9"}}},
    }};
    return buttons;
}

namespace {

constexpr std::array<const char*, 5> kStates = {"normal", "hover", "pushed", "default", "disabled"};

constexpr std::array<const char*, 8> kStyleNames = {"0 raised", "1 framed", "2 palette", "3 soft",
                                                    "4 thin",   "5 flat",   "6 light",   "7 inverting"};

int CellWidth() {
    int widest = 0;
    for (const MainWindowButton& button : MainWindowButtons()) widest = std::max(widest, button.width);
    return widest + kColumnGap;
}

int GroupHeight() {
    int height = 0;
    for (const MainWindowButton& button : MainWindowButtons()) height += button.height + kRowGap;
    return height;
}

// One group: the three buttons in every state, with extra settings on top of the stored ones.
bool DrawGroup(ArgbImage& sheet, int top, const Settings& extra, std::string& error) {
    int y = top;
    for (const MainWindowButton& button : MainWindowButtons()) {
        Settings settings = button.stored;
        settings.insert(settings.end(), extra.begin(), extra.end());
        for (std::size_t column = 0; column < kStates.size(); ++column) {
            ArgbImage shot;
            if (!RenderButton(button.width, button.height, settings, {kStates[column]}, shot, error)) return false;
            Compose(sheet, shot, kMargin + kLabelColumn + static_cast<int>(column) * CellWidth(), y);
        }
        y += button.height + kRowGap;
    }
    return true;
}

void DrawLabel(ArgbImage& sheet, const std::string& text, int x, int y, bool bold = false) {
    Compose(sheet, RenderLabel(text, kFormColour, bold), x, y);
}

}  // namespace

bool BuildContactSheet(ArgbImage& sheet, std::string& error) {
    const int groups = 1 + static_cast<int>(kStyleNames.size());
    const int width = kMargin * 2 + kLabelColumn + static_cast<int>(kStates.size()) * CellWidth();
    const int height = kMargin * 2 + kHeaderHeight + groups * (GroupHeight() + kGroupGap);
    sheet = ArgbImage(width, height, 0xFF000000u | kFormColour);

    DrawLabel(sheet, "ztButtons_H: the three main-window buttons, as stored and in ButtonStyle 0-7 (rectangular)",
              kMargin, kMargin, true);
    for (std::size_t column = 0; column < kStates.size(); ++column) {
        DrawLabel(sheet, kStates[column], kMargin + kLabelColumn + static_cast<int>(column) * CellWidth(),
                  kMargin + kHeaderHeight - 15, true);
    }

    int top = kMargin + kHeaderHeight;
    DrawLabel(sheet, "as stored", kMargin, top + 4, true);
    if (!DrawGroup(sheet, top, {}, error)) return false;
    top += GroupHeight() + kGroupGap;

    for (std::size_t style = 0; style < kStyleNames.size(); ++style) {
        DrawLabel(sheet, std::string("style ") + kStyleNames[style], kMargin, top + 4, true);
        const Settings extra = {{"ButtonStyle", std::to_string(style)}, {"ButtonShape", "0"}};
        if (!DrawGroup(sheet, top, extra, error)) return false;
        top += GroupHeight() + kGroupGap;
    }
    return true;
}
