// button-shot: draws a ztButtons_H button (or the standard contact sheet) on
// the headless site and writes it as PNG, so that every style and state can
// be looked at.
#include "ArgbImage.h"
#include "ButtonStage.h"
#include "ContactSheet.h"
#include "PngWriter.h"
#include "ShotOptions.h"

#include <cstdio>
#include <string>
#include <vector>

namespace {

int Fail(const std::string& message) {
    if (!message.empty()) std::fprintf(stderr, "button-shot: %s\n", message.c_str());
    std::fputs(ShotUsage(), stderr);
    return 2;
}

int Write(const ArgbImage& image, int scale, const std::string& path) {
    if (!WritePng(Enlarge(image, scale), path)) {
        std::fprintf(stderr, "button-shot: cannot write %s\n", path.c_str());
        return 1;
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    ShotRequest request;
    std::string error;
    if (!ParseShotRequest(args, request, error)) return Fail(error);

    ArgbImage image;
    if (!request.sheet.empty()) {
        if (!BuildContactSheet(image, error)) return Fail(error);
        return Write(image, request.scale, request.sheet);
    }
    if (!RenderButton(request.width, request.height, request.settings, request.states, image, error)) {
        return Fail(error);
    }
    return Write(image, request.scale, request.out);
}
