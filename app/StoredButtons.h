#pragma once
// The three buttons of the main window as they are stored with it: each one's
// property bag, read by the button control when the window creates it.
#include "platform/container/PropertyBag.h"

#include <string>

namespace app {

container::PropertyBag StoredDateTimeButton();                       // cmdDateTime
container::PropertyBag StoredHomePageButton(const std::string& address); // cmdHomePage
container::PropertyBag StoredServerTestButton();                     // cmdCeShi

} // namespace app
