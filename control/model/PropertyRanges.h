// The accepted range of each enumerated property. Assignments outside them
// are refused; stored values are taken as they are.
#pragma once

#include "control/model/ButtonState.h"

struct PropertyRange {
    Long lowest;
    Long highest;
    constexpr bool Contains(long long value) const { return value >= lowest && value <= highest; }
};

inline constexpr PropertyRange kButtonStyleRange{0, 7};
inline constexpr PropertyRange kModeRange{0, 2};
inline constexpr PropertyRange kCaptionAlignRange{0, 2};
inline constexpr PropertyRange kCaptionStyleRange{0, 2};
inline constexpr PropertyRange kCustomClickRange{0, 8};
inline constexpr PropertyRange kButtonShapeRange{0, 8};
inline constexpr PropertyRange kPictureAlignRange{0, 5};
inline constexpr PropertyRange kPictureSizeRange{0, 4};
inline constexpr PropertyRange kGradientModeRange{0, 4};

// The hover colour locks as two bits of "follows".
constexpr bool HoverBackFollows(Long locks) {
    return locks == HoverColorLocksValue::BothFollow || locks == HoverColorLocksValue::ForeLocked;
}
constexpr bool HoverForeFollows(Long locks) {
    return locks == HoverColorLocksValue::BothFollow || locks == HoverColorLocksValue::BackLocked;
}
