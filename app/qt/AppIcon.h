#pragma once
#include <QIcon>
#include <QImage>

namespace app {

// The window icon, a small clock face drawn at 16 and 32 pixels.
QIcon CreateAppIcon();

// The same clock face drawn at the given size (for the desktop's icon theme):
// drawn afresh at each size, never scaled from a smaller picture.
QImage AppIconImage(int size);

} // namespace app
