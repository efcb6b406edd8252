// Turning a decoded image into the drawing layer's objects: a bitmap as a
// 32-bit DIB section, an icon as a mask and a colour image.
#pragma once

#include "platform/gdi/gdi.h"

#include "platform/picture/PictureDecoder.h"

namespace picture {

// A bottom-up 32-bit DIB section (as Windows makes for a loaded picture):
// pixels 0x00RRGGBB, alpha dropped and the colour kept. 0 on failure.
gdi::HBITMAP CreateDibFromImage(const DecodedImage& image);

struct Hotspot {
    bool isIcon = true; // false for a cursor
    int x = 0;
    int y = 0;
};

// An icon whose AND mask is set (transparent) where alpha is below 128, and
// whose colour image is black there, so that drawing it leaves the
// background. 0 on failure.
gdi::HICON CreateIconFromImage(const DecodedImage& image, Hotspot hotspot);

} // namespace picture
