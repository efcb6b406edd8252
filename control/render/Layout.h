// Places the caption and the picture on the face: CaptionRect and ImageRect.
// Measures the caption with the surface's font; draws nothing.
#pragma once

#include "control/model/ztButtons_H.h"

// rebuildImage in: prepare a new image of the final ImageRect size even if the
// size did not change. Out: true when a stretched or fitted size was computed
// (the image was then prepared again).
void LayoutCaptionAndImage(ztButtons_H& button, bool& rebuildImage);
// For callers passing a plain true or false.
void LayoutCaptionAndImage(ztButtons_H& button, bool&& rebuildImage);

// The caption as it is measured and drawn: every "||" becomes CR LF.
std::string CaptionForDrawing(const std::string& captionText);
// The same into text, whose storage is reused (painting makes no allocation).
void CaptionForDrawing(const std::string& captionText, std::string& text);
