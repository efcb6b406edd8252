#include "control/input/ClickHandling.h"

#include "control/input/OptionGroup.h"
#include "control/input/RaiseEvent.h"
#include "control/model/ztButtons_H.h"

void SetValueProperty(ztButtons_H& button, Boolean value) {
    button.SetValue(value);
}

void HandleClick(ztButtons_H& button) {
    if (button.LastMouseButton != container::kLeftButton)
        return;
    if (button.Mode > ModeValue::CommandButton) {
        // A checked option button stays checked and says nothing.
        if (button.Mode == ModeValue::OptionButton && button.Value != False)
            return;
        SetValueProperty(button, ToBoolean(button.Value == False));
    }
    RaiseEvent(button, [](ButtonEvents& events) { events.Click(); });
}

void HandleGotFocus(ztButtons_H& button) {
    if (button.Mode != ModeValue::OptionButton || button.Value != False)
        return;
    if (UpdateOptionGroup(button, OptionGroupAnyChecked))
        return;
    button.LastMouseButton = container::kLeftButton;
    HandleClick(button);
}
