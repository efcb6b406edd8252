#pragma once
// What a screen reader hears for the window's controls. A list box or an edit
// box has no text of its own that names it, and a drawn button's window is of
// a class no reader knows: the names and roles are given to Windows'
// accessibility layer as annotations of the control's window.
#include "platform/win32/Native.h" // windows.h, in the order the drawing layer needs

#include <string>

namespace app::win32host {

// Names the window's client object for assistive technology; role is one of
// the ROLE_SYSTEM_ values, or 0 to keep the window's own.
void AnnotateAccessibility(HWND window, const std::string& name, long role = 0);

} // namespace app::win32host
