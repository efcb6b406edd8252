// Small text labels for the contact sheet, drawn with the drawing layer's
// text engine in black on the sheet's background colour.
#pragma once

#include "ArgbImage.h"

#include <cstdint>
#include <string>

// text: UTF-8. background: 0x00BBGGRR. The image is as wide as the text needs.
ArgbImage RenderLabel(const std::string& text, std::uint32_t background, bool bold = false);
