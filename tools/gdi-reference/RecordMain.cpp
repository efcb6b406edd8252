// Prints every scene in its stored text form on standard output; the record
// script runs this build under Windows' rules and splits the text by family.
#include "Scenes.h"

#include <cstdio>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

int main() {
#ifdef _WIN32
    _setmode(_fileno(stdout), _O_BINARY);
#endif
    for (const gdi_reference::SceneResult& scene : gdi_reference::RunAllScenes())
        std::fputs(gdi_reference::FormatScene(scene).c_str(), stdout);
    return 0;
}
