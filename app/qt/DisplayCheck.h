#pragma once
// Whether the program can open a window here, asked before Qt is started:
// Qt aborts the process when its platform cannot reach a display.
#include <string>

namespace app::qt {

// True when QT_QPA_PLATFORM names a platform, when a Wayland display's socket
// is there, or when the X display of $DISPLAY accepts a connection.
bool DisplayAvailable();

// The running program's file, links resolved; argv0 when that cannot be read.
std::string ProgramFilePath(const char* argv0);

} // namespace app::qt
