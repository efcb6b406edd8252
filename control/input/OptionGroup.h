// Option buttons that share a container window form a group in which at most
// one member is checked. The group has no object of its own: it is a numbered
// list of member addresses kept as named properties on the container window
// ("zt_OptCount" and "zt_Obj1".."zt_ObjN"), numbered from 1 without gaps.
#pragma once

#include <cstdint>

class ztButtons_H;

// What UpdateOptionGroup is asked to do.
enum OptionGroupAction : std::int16_t {
    OptionGroupLeave = -1,      // drop this control from its group
    OptionGroupClearOthers = 0, // set Value False on every other member
    OptionGroupJoin = 1,        // append this control to its container's group
    OptionGroupAnyChecked = 2,  // ask whether any member is checked
};

// Maintains the option group of the control's container window (the window
// whose handle the control's Tag holds). Returns True only for the question
// (action 2) when a member is checked; False for every other action. When the
// control is checked, joining (and any action on a non-empty group) first
// unchecks the other members through their Value property.
bool UpdateOptionGroup(ztButtons_H& control, std::int16_t action);

// Drops member from the group listed on window, closing the gap in the
// numbering. Returns false (and changes nothing) when it is not listed.
// Used when a member is destroyed before its container window.
bool RemoveOptionGroupMember(std::uint32_t window, const void* member);
