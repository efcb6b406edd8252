// Qt's keys, mouse buttons and modifiers in the Windows conventions the
// control's notices use: virtual-key codes, buttons 1 left / 2 right /
// 4 middle, and the shift state 1 Shift / 2 Ctrl / 4 Alt.
#pragma once

#include <Qt>
#include <QtGlobal>

#include <cstdint>

namespace qtplatform {

int VirtualKeyFromQtKey(int qtKey);      // 0 for keys without a code
int QtKeyFromVirtualKey(int virtualKey); // Qt::Key_unknown for codes without a key

std::int16_t MouseButtonCode(Qt::MouseButton button);   // 0 for other buttons
std::int16_t MouseButtonMask(Qt::MouseButtons buttons); // the held buttons, or-ed
std::int16_t ShiftState(Qt::KeyboardModifiers modifiers);

} // namespace qtplatform
