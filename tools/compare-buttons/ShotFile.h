// A file of named button images: for each, a line "name width height" and
// then width * height pixels of four bytes (0xAARRGGBB, little-endian), rows
// top to bottom. Written by the renderer on each platform, read by the comparer.
#pragma once

#include "ArgbImage.h"

#include <string>
#include <utility>
#include <vector>

using NamedShots = std::vector<std::pair<std::string, ArgbImage>>;

bool WriteShots(const NamedShots& shots, const std::string& path);
// False when the file is missing or broken.
bool ReadShots(const std::string& path, NamedShots& shots);
