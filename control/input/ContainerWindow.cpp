#include "control/input/ContainerWindow.h"

#include "control/model/ContainerTag.h"
#include "control/model/ztButtons_H.h"

user::HWND ContainerWindowOf(const ztButtons_H& button) {
    container::ControlSite* site = button.Site();
    if (site == nullptr)
        return 0;
    const user::HWND tagged = ContainerWindowFromTag(button);
    return tagged != 0 ? tagged : site->ContainerHWnd();
}
