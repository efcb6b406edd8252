#include "platform/qt/InputCodes.h"

#include "platform/container/ControlNotices.h"

#include <array>
#include <utility>

namespace qtplatform {
namespace {

// Keys whose Qt code differs from the Windows virtual-key code. Digits and
// the letters A to Z carry the same number in both.
constexpr std::array<std::pair<int, int>, 21> kNamedKeys = {{
    {Qt::Key_Backspace, 0x08}, {Qt::Key_Tab, 0x09},      {Qt::Key_Backtab, 0x09}, {Qt::Key_Return, 0x0D},
    {Qt::Key_Enter, 0x0D},     {Qt::Key_Shift, 0x10},    {Qt::Key_Control, 0x11}, {Qt::Key_Alt, 0x12},
    {Qt::Key_Pause, 0x13},     {Qt::Key_CapsLock, 0x14}, {Qt::Key_Escape, 0x1B},  {Qt::Key_Space, 0x20},
    {Qt::Key_PageUp, 0x21},    {Qt::Key_PageDown, 0x22}, {Qt::Key_End, 0x23},     {Qt::Key_Home, 0x24},
    {Qt::Key_Left, 0x25},      {Qt::Key_Up, 0x26},       {Qt::Key_Right, 0x27},   {Qt::Key_Down, 0x28},
    {Qt::Key_Delete, 0x2E},
}};

constexpr int kFirstFunctionKey = 0x70; // VK_F1

} // namespace

int VirtualKeyFromQtKey(int qtKey) {
    if ((qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9) || (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z))
        return qtKey;
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F12)
        return kFirstFunctionKey + (qtKey - Qt::Key_F1);
    if (qtKey == Qt::Key_Insert)
        return 0x2D;
    for (const auto& [qt, virtualKey] : kNamedKeys) {
        if (qt == qtKey)
            return virtualKey;
    }
    return 0;
}

int QtKeyFromVirtualKey(int virtualKey) {
    if ((virtualKey >= '0' && virtualKey <= '9') || (virtualKey >= 'A' && virtualKey <= 'Z'))
        return virtualKey;
    if (virtualKey >= kFirstFunctionKey && virtualKey < kFirstFunctionKey + 12)
        return Qt::Key_F1 + (virtualKey - kFirstFunctionKey);
    if (virtualKey == 0x2D)
        return Qt::Key_Insert;
    for (const auto& [qt, code] : kNamedKeys) {
        if (code == virtualKey)
            return qt; // the first spelling: Tab before Backtab, Return before Enter
    }
    return Qt::Key_unknown;
}

std::int16_t MouseButtonCode(Qt::MouseButton button) {
    switch (button) {
    case Qt::LeftButton:
        return container::kLeftButton;
    case Qt::RightButton:
        return container::kRightButton;
    case Qt::MiddleButton:
        return container::kMiddleButton;
    default:
        return 0;
    }
}

std::int16_t MouseButtonMask(Qt::MouseButtons buttons) {
    std::int16_t mask = 0;
    for (Qt::MouseButton button : {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton}) {
        if (buttons.testFlag(button))
            mask = static_cast<std::int16_t>(mask | MouseButtonCode(button));
    }
    return mask;
}

std::int16_t ShiftState(Qt::KeyboardModifiers modifiers) {
    std::int16_t shift = 0;
    if (modifiers.testFlag(Qt::ShiftModifier))
        shift = static_cast<std::int16_t>(shift | container::kShiftMask);
    if (modifiers.testFlag(Qt::ControlModifier))
        shift = static_cast<std::int16_t>(shift | container::kCtrlMask);
    if (modifiers.testFlag(Qt::AltModifier))
        shift = static_cast<std::int16_t>(shift | container::kAltMask);
    return shift;
}

} // namespace qtplatform
