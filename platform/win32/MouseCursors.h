// The form run-time's mouse pointers (MousePointer 0..15, 99 custom with a
// MouseIcon) as user32 cursors (HCURSOR, passed as void*).
#pragma once

#include "platform/picture/Picture.h"

#include <cstdint>

namespace win32platform {

// A shared system cursor (never destroyed); null for 0 (the window class's
// arrow) and for values without a cursor.
void* SystemCursorForPointer(std::int16_t pointer);

// A new cursor that shows an icon picture, with its hot spot; the caller
// destroys it with DestroyCursor. Null when the picture is no icon.
void* CursorFromIcon(const picture::Picture& icon);

} // namespace win32platform
