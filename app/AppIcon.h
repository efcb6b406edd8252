#pragma once
#include <QIcon>

namespace app {

// The window icon, a small clock face drawn at 16 and 32 pixels.
QIcon CreateAppIcon();

} // namespace app
