// Drop effects and clipboard formats as the control's drag-and-drop notices
// carry them, and their Qt counterparts.
#pragma once

#include <Qt>

#include <cstdint>

namespace qtplatform {

constexpr std::int32_t kDropEffectCopy = 1;
constexpr std::int32_t kDropEffectMove = 2;
// Clipboard formats filled from Qt's data.
constexpr std::int16_t kTextFormat = 1;
constexpr std::int16_t kFilesFormat = 15;

inline std::int32_t EffectFromActions(Qt::DropActions actions) {
    return ((actions & Qt::CopyAction) ? kDropEffectCopy : 0) | ((actions & Qt::MoveAction) ? kDropEffectMove : 0);
}

inline Qt::DropActions ActionsFromEffects(std::int32_t effects) {
    Qt::DropActions actions;
    if ((effects & kDropEffectCopy) != 0)
        actions |= Qt::CopyAction;
    if ((effects & kDropEffectMove) != 0)
        actions |= Qt::MoveAction;
    return actions;
}

// The one action a drop takes: a move when it is allowed and proposed (or the
// only one allowed), else a copy when allowed.
inline Qt::DropAction ActionFromEffect(std::int32_t effect, Qt::DropAction proposed) {
    if ((effect & kDropEffectMove) != 0 && (proposed == Qt::MoveAction || (effect & kDropEffectCopy) == 0))
        return Qt::MoveAction;
    if ((effect & kDropEffectCopy) != 0)
        return Qt::CopyAction;
    return Qt::IgnoreAction;
}

} // namespace qtplatform
