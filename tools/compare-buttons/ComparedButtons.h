// The buttons that scripts/compare-buttons draws twice, on our drawing layer
// and on gdi32: every style, shape and state, the gradient modes, pictures,
// the program's own buttons and the caption forms.
#pragma once

#include "ContactSheet.h"

#include <string>
#include <vector>

struct ComparedButton {
    std::string name; // unique, without spaces
    int width = 80;
    int height = 30;
    Settings settings; // in the order they are applied
    std::vector<std::string> states;
};

// pictureFile: a bitmap that WriteKeyedPicture wrote, used where a button shows a picture.
std::vector<ComparedButton> ComparedButtons(const std::string& pictureFile);

// A 24 x 24 24-bit BMP: a magenta key colour round a red square and a
// blue-green diamond (the key is what shaped buttons cut away). False when the
// file cannot be written.
bool WriteKeyedPicture(const std::string& path);
