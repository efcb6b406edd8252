#pragma once
// The real program's services and its own file on Windows.
#include "app/AppEnvironment.h"

#include <string>

namespace app::win32host {

// The services of the real program for every one the environment leaves
// empty: Winsock, WinHTTP, the shell's URL opener, the program's own path
// and name.
AppEnvironment WithProgramServices(AppEnvironment environment);

// The program file of the running process, UTF-8.
std::string ProgramFilePath();

// The file name without its extension.
std::string ProgramNameOf(const std::string& programPath);

} // namespace app::win32host
