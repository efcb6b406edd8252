#pragma once
#include <string>

namespace app::win32host {

// The program file of the running process, UTF-8.
std::string ProgramFilePath();

} // namespace app::win32host
