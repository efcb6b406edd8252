// Changes of the container's ambient values that the button shows.
#include "control/model/ztButtons_H.h"
#include "control/paint/RedrawButton.h"
#include "control/render/Colors.h"
#include "control/render/Surface.h"

#include <algorithm>
#include <cctype>

namespace {

bool SameName(std::string_view a, std::string_view b) {
    return std::ranges::equal(a, b, [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
    });
}

} // namespace

void ztButtons_H::AmbientChanged(std::string_view propertyName) {
    container::ControlSite* site = Site();
    if (site == nullptr)
        return;
    if (SameName(propertyName, "DisplayAsDefault")) {
        const bool designMode = !site->AmbientUserMode();
        const bool defaultLook = site->AmbientDisplayAsDefault() && (ShowFocusRect != False || designMode);
        if (defaultLook)
            StateFlags |= StateFlagBits::DefaultLook;
        else
            StateFlags &= static_cast<Integer>(~StateFlagBits::DefaultLook);
        // Custom shapes show the default look at design time with the hover frame, for this one repaint.
        const bool showFrame = ButtonShape > ButtonShapeValue::EllipseOutlined && designMode;
        if (showFrame)
            IsHovering = ToBoolean(defaultLook);
        RedrawButton(*this);
        if (showFrame)
            IsHovering = False;
    } else if (SameName(propertyName, "BackColor")) {
        ParentBackColor = TranslateColor(site->AmbientBackColor());
        if (ButtonShape > ButtonShapeValue::Parallelogram || ButtonStyle == 5)
            RedrawButton(*this);
    }
}
