// compare-buttons-render <shots-file>: draws every compared button with the
// drawing back end this build links (our layer on Linux, gdi32 on Windows)
// and writes the images. The keyed picture is written beside the file.
#include "ButtonStage.h"
#include "ComparedButtons.h"
#include "ShotFile.h"

#include <cstdio>
#include <string>

#ifdef _WIN32
#include "platform/gdi/win32/WineStandIns.h"
#endif

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: compare-buttons-render SHOTS-FILE\n");
        return 2;
    }
#ifdef _WIN32
    // Under Wine, the control's background mode 3 is kept as Windows keeps it
    // (platform/gdi/win32/WineStandIns.h); on Windows the call changes nothing.
    gdi::win32::StandInForRefusedBackgroundModes();
#endif
    const std::string out = argv[1];
    const std::size_t slash = out.find_last_of("/\\");
    const std::string picture =
        (slash == std::string::npos ? std::string() : out.substr(0, slash + 1)) + "keyed.bmp";
    if (!WriteKeyedPicture(picture)) {
        std::fprintf(stderr, "cannot write %s\n", picture.c_str());
        return 1;
    }
    NamedShots shots;
    int refused = 0;
    for (const ComparedButton& button : ComparedButtons(picture)) {
        ArgbImage image;
        std::string error;
        if (!RenderButton(button.width, button.height, button.settings, button.states, image, error)) {
            std::fprintf(stderr, "%s: %s\n", button.name.c_str(), error.c_str());
            ++refused;
            continue;
        }
        shots.emplace_back(button.name, std::move(image));
    }
    if (!WriteShots(shots, out)) {
        std::fprintf(stderr, "cannot write %s\n", out.c_str());
        return 1;
    }
    return refused == 0 ? 0 : 1;
}
