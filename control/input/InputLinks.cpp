#include "control/input/InputLinks.h"

#include "control/input/ModZtTimer.h"
#include "control/input/OptionGroup.h"

// The button is being destroyed: its container may have skipped Terminate,
// and its group may outlive it, so nothing may keep pointing at it.
InputLinks::~InputLinks() {
    if (hoverWindow != 0)
        StopHoverTimer(hoverWindow, &owner_);
    if (groupWindow != 0)
        RemoveOptionGroupMember(groupWindow, &owner_);
}
