// A 32-bit DIB section with its rows top-down, so that row y of the pixel
// memory is row y of the picture: what test and benchmark pictures are drawn
// into pixel by pixel.
#pragma once

#include "platform/gdi/gdi.h"

#include <cstdint>

namespace control_stage {

// bits receives the pixel memory (0x00RRGGBB per pixel), or nullptr when
// the bitmap could not be made; the caller owns the returned handle.
gdi::HBITMAP CreateTopDownDib(int width, int height, std::uint32_t** bits);

}  // namespace control_stage
