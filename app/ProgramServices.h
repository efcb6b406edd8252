#pragma once
// The real program's services, the same on every platform: the build links
// the platform's socket, HTTP client and URL opener behind these calls.
#include "app/AppEnvironment.h"

#include <functional>
#include <string>

namespace app {

// The services of the real program for every one the environment leaves
// empty: the socket, the HTTP client, the URL opener, and the program's path
// (from programPath, asked only when needed) and name.
AppEnvironment WithProgramServices(AppEnvironment environment, const std::function<std::string()>& programPath);

// The file name without its extension, UTF-8 in and out.
std::string ProgramNameOf(const std::string& programPath);

} // namespace app
