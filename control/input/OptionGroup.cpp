#include "control/input/OptionGroup.h"

#include "control/input/ClickHandling.h"
#include "control/input/ContainerWindow.h"
#include "control/model/ztButtons_H.h"

#include <string>

namespace {

constexpr const char* kCountProperty = "zt_OptCount";

std::string SlotName(int slot) {
    return "zt_Obj" + std::to_string(slot);
}

int MemberCount(user::HWND window) {
    return static_cast<int>(static_cast<std::int16_t>(user::GetPropA(window, kCountProperty)));
}

user::HANDLE AddressOf(const ztButtons_H& control) {
    return reinterpret_cast<user::HANDLE>(&control);
}

// Group members are live controls: each one drops its slot when it is destroyed.
ztButtons_H* MemberAt(user::HWND window, int slot) {
    return reinterpret_cast<ztButtons_H*>(user::GetPropA(window, SlotName(slot).c_str()));
}

bool UncheckOthers(ztButtons_H& control, user::HWND window, int count) {
    for (int slot = 1; slot <= count; ++slot) {
        ztButtons_H* member = MemberAt(window, slot);
        if (member == nullptr)
            return false;
        if (member != &control)
            SetValueProperty(*member, False);
    }
    return true;
}

bool Join(ztButtons_H& control, user::HWND window, int count) {
    // Joining twice would list the control in two slots; once is enough.
    for (int slot = 1; slot <= count; ++slot)
        if (MemberAt(window, slot) == &control)
            return true;
    if (!user::SetPropA(window, kCountProperty, count + 1))
        return false;
    if (!user::SetPropA(window, SlotName(count + 1).c_str(), AddressOf(control))) {
        user::SetPropA(window, kCountProperty, count);
        return false;
    }
    control.Links().groupWindow = window;
    return true;
}

bool AnyChecked(user::HWND window, int count) {
    for (int slot = 1; slot <= count; ++slot) {
        const ztButtons_H* member = MemberAt(window, slot);
        if (member == nullptr)
            return false;
        if (member->Value != False)
            return true;
    }
    return false;
}

} // namespace

bool RemoveOptionGroupMember(user::HWND window, const void* member) {
    const int count = MemberCount(window);
    const auto address = reinterpret_cast<user::HANDLE>(member);
    int found = 0;
    for (int slot = 1; slot <= count && found == 0; ++slot)
        if (user::GetPropA(window, SlotName(slot).c_str()) == address)
            found = slot;
    // A control that is not listed leaves the list as it is.
    if (found == 0)
        return false;
    for (int slot = found + 1; slot <= count; ++slot)
        user::SetPropA(window, SlotName(slot - 1).c_str(), user::GetPropA(window, SlotName(slot).c_str()));
    user::RemovePropA(window, SlotName(count).c_str());
    if (count == 1)
        user::RemovePropA(window, kCountProperty);
    else
        user::SetPropA(window, kCountProperty, count - 1);
    return true;
}

bool UpdateOptionGroup(ztButtons_H& control, std::int16_t action) {
    // A control leaves the group it joined, even if its Tag has changed since.
    const user::HWND window = action == OptionGroupLeave && control.Links().groupWindow != 0
                                  ? control.Links().groupWindow
                                  : ContainerWindowOf(control);
    if (window == 0)
        return false;
    const int count = MemberCount(window);
    if ((action == OptionGroupJoin || count > 0) && control.Value != False) {
        if (!UncheckOthers(control, window, count))
            return false;
    }
    switch (action) {
    case OptionGroupJoin:
        Join(control, window, count);
        return false;
    case OptionGroupLeave:
        if (RemoveOptionGroupMember(window, &control))
            control.Links().groupWindow = 0;
        return false;
    case OptionGroupAnyChecked:
        return AnyChecked(window, count);
    default:
        return false;
    }
}
