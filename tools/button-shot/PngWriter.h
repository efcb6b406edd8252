// Writes an image as PNG with its alpha channel. Returns false when the file
// cannot be written.
#pragma once

#include "ArgbImage.h"

#include <string>

bool WritePng(const ArgbImage& image, const std::string& path);
