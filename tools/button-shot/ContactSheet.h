// The standard contact sheet: the three buttons of the main window, first as
// the window stores them, then in each of the eight styles (as rectangles),
// in the normal, hover, pushed, default and disabled states.
#pragma once

#include "ArgbImage.h"

#include <array>
#include <string>
#include <utility>
#include <vector>

using Settings = std::vector<std::pair<std::string, std::string>>;

// A button of the main window: its size and the settings it is stored with.
struct MainWindowButton {
    int width;
    int height;
    Settings stored;
};

// The program's three buttons: synchronise, the web page, test the hosts.
const std::array<MainWindowButton, 3>& MainWindowButtons();

// Returns false with a message when a button cannot be drawn.
bool BuildContactSheet(ArgbImage& sheet, std::string& error);
