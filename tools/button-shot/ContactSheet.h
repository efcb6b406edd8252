// The standard contact sheet: the three buttons of the main window, first as
// the window stores them, then in each of the eight styles (as rectangles),
// in the normal, hover, pushed, default and disabled states.
#pragma once

#include "ArgbImage.h"

#include <string>

// Returns false with a message when a button cannot be drawn.
bool BuildContactSheet(ArgbImage& sheet, std::string& error);
