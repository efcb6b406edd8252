#include "platform/container/FormAmbients.h"

#include "platform/container/CommonSite.h"

#include <algorithm>

namespace container {

void FormAmbients::SetBackColor(OleColor color) {
    backColor_ = color;
    SendAmbientChanged("BackColor");
}

void FormAmbients::SetUserMode(bool userMode) {
    userMode_ = userMode;
    SendAmbientChanged("UserMode");
}

void FormAmbients::AddSite(CommonSite* site) {
    sites_.push_back(site);
}

void FormAmbients::RemoveSite(CommonSite* site) {
    std::erase(sites_, site);
}

void FormAmbients::SendAmbientChanged(const char* name) {
    // A handler may remove sites (even its own): walk a copy and skip the departed.
    const std::vector<CommonSite*> sites = sites_;
    for (CommonSite* site : sites) {
        if (std::find(sites_.begin(), sites_.end(), site) != sites_.end())
            site->AmbientChanged(name);
    }
}

} // namespace container
