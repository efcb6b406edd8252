#pragma once
// The window's layout is drawn at 96 dots per inch (15 twips per pixel); on a
// screen of another density every edge is scaled, so neighbouring controls
// keep touching where they touch at 96 dpi.
#include "app/WindowLayout.h"

namespace app::win32host {

constexpr int kLayoutDpi = 96;

// A length of the layout in pixels at the DPI, rounded to the nearest pixel.
int ScaledToDpi(int layoutPixels, int dpi);
// Pixels at the DPI back in the layout's pixels.
int LayoutPixels(int pixels, int dpi);
// Each edge scaled on its own.
ControlBox ScaledBox(const ControlBox& box, int dpi);
// The window's layout for a client area of clientWidth pixels at the DPI.
WindowLayout ScaledLayout(int clientWidth, int dpi);
// The LOGFONT height of a font of that many points: negative, the character
// height without internal leading, as a font of that size is asked for.
int FontHeightForPoints(double points, int dpi);
// Twips per pixel at the DPI: 15 at 96, 10 at 144.
double TwipsPerPixelAt(int dpi);

} // namespace app::win32host
