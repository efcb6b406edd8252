#include "platform/headless/HeadlessForm.h"

namespace headless {

HeadlessForm::HeadlessForm(HeadlessWindowSystem& system, int x, int y, int width, int height)
    : system_(system), hwnd_(system.CreateWindow(0, x, y, width, height)) {}

HeadlessForm::~HeadlessForm() {
    system_.DestroyWindow(hwnd_);
}

} // namespace headless
