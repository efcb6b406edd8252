#include "platform/headless/HeadlessForm.h"

#include "platform/headless/HeadlessSite.h"

#include <algorithm>

namespace headless {

HeadlessForm::HeadlessForm(HeadlessWindowSystem& system, int x, int y, int width, int height)
    : system_(system), hwnd_(system.CreateWindow(0, x, y, width, height)) {}

HeadlessForm::~HeadlessForm() {
    system_.DestroyWindow(hwnd_);
}

void HeadlessForm::SetBackColor(container::OleColor color) {
    backColor_ = color;
    SendAmbientChanged("BackColor");
}

void HeadlessForm::SetUserMode(bool userMode) {
    userMode_ = userMode;
    SendAmbientChanged("UserMode");
}

void HeadlessForm::AddSite(HeadlessSite* site) {
    sites_.push_back(site);
}

void HeadlessForm::RemoveSite(HeadlessSite* site) {
    std::erase(sites_, site);
}

void HeadlessForm::SendAmbientChanged(const char* name) {
    // A handler may remove sites (even its own): walk a copy and skip the departed.
    const std::vector<HeadlessSite*> sites = sites_;
    for (HeadlessSite* site : sites) {
        if (std::find(sites_.begin(), sites_.end(), site) != sites_.end())
            site->AmbientChanged(name);
    }
}

} // namespace headless
