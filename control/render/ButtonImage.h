// The button's picture: its size, the prepared copy at exactly the drawn size
// with the colour key made exact, the key-transparent blit, and drawing it in
// the normal and the disabled look.
#pragma once

#include "control/model/ztButtons_H.h"

// Pixels within this many steps per channel of the key colour count as transparent.
constexpr int kColourKeyTolerance = 3;

// The largest size with the picture's aspect ratio inside maxW x maxH (may enlarge).
gdi::SIZE FitImageSize(const ztButtons_H& button, Long maxW, Long maxH);

// Replaces ImageHandle by a w x h copy of the picture whose near-key pixels
// hold the exact key colour (icons are not prepared). With a region, every
// run of key pixels is cut out of it, and FaceRegion and InnerRegion are made
// as the client rectangle with each run, grown by 1 and 2 pixels, cut out.
void PrepareButtonImage(ztButtons_H& button, Long w, Long h, gdi::HRGN region);

// Draws srcBitmap into destDC with its top-left colour transparent. A right or
// bottom of 0 in a rectangle means "no size given". w and h are the drawn size
// and come back reduced when the destination is smaller.
void TransparentBlit(ztButtons_H& button, gdi::HDC destDC, gdi::RECT destRect, gdi::HBITMAP srcBitmap,
                     gdi::RECT srcRect, Long& w, Long& h);

// TransparentBlit, composing straight into the destination where that gives
// the same pixels, from the layers kept in ImageLayers while the prepared
// image and the drawn size stay the same; without allowInPlace always through
// a work bitmap (the general path the direct one is checked against).
void TransparentBlitWith(ztButtons_H& button, gdi::HDC destDC, gdi::RECT destRect, gdi::HBITMAP srcBitmap,
                         gdi::RECT srcRect, Long& w, Long& h, bool allowInPlace);

// Draws the picture into SurfaceDC at rect (normally ImageRect): icons with
// their own mask, bitmaps key-transparent; disabled buttons in grey.
void DrawButtonImage(ztButtons_H& button, gdi::RECT rect);
