#pragma once
#include <QFont>

namespace app {

// 宋体 at the given point size, falling back to the Song/Ming faces a Linux
// desktop has, so Chinese text renders in the look the window was drawn with.
QFont SongFont(double pointSize);

} // namespace app
