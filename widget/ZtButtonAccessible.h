// What assistive technology sees of a ZtButton: one object, a push button,
// check box or radio button by Mode, named by its caption (or the accessible
// name the program set), with the states focusable, focused, pressed, checked
// and unavailable, and the actions press and toggle that click it. The drawn
// window inside is not seen. The factory is installed once, with the first button.
#pragma once

#include <QAccessible>

namespace ztbuttons {

class ZtButton;

void InstallAccessibility();

enum class StateChange { Checked, Checkable, Pressed, Disabled, Focused };
void NotifyStateChange(ZtButton& button, StateChange change);
void NotifyAccessibility(ZtButton& button, QAccessible::Event event);

} // namespace ztbuttons
