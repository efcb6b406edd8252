// The form run-time's mouse pointers (MousePointer 0..15, 99 custom with a
// MouseIcon) as Qt cursors.
#pragma once

#include "platform/picture/Picture.h"

#include <QCursor>

#include <cstdint>
#include <optional>

namespace qtplatform {

// nullopt: the default pointer (the widget's cursor is unset).
std::optional<QCursor> CursorForPointer(std::int16_t pointer, const picture::PicturePtr& icon);

// An icon or cursor picture as a Qt cursor with the icon's hot spot; nullopt
// when the picture is no icon.
std::optional<QCursor> CursorFromIcon(const picture::Picture& icon);

} // namespace qtplatform
