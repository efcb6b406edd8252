// Keyboard and focus notices of the container: keys, characters, access keys
// and the focus.
#include "control/input/ButtonInput.h"
#include "control/input/ClickHandling.h"
#include "control/input/ContainerWindow.h"
#include "control/input/RaiseEvent.h"
#include "control/paint/RedrawButton.h"

namespace {

constexpr std::int16_t kShiftKey = 16;
constexpr std::int16_t kEnterCharacter = 13;
constexpr std::int16_t kEscapeCharacter = 27;

// The keyboard scan code of an arrow key, 0 for any other key.
user::LPARAM ArrowScanCode(std::int16_t keyCode) {
    switch (keyCode) {
    case user::VK_RIGHT:
        return 0x4D;
    case user::VK_DOWN:
        return 0x50;
    case user::VK_LEFT:
        return 0x4B;
    case user::VK_UP:
        return 0x48;
    default:
        return 0;
    }
}

// The container moves the focus to a neighbouring control as if the arrow
// key had been pressed on it: one key-down message, repeat count 1.
void PassArrowToContainer(const ztButtons_H& button, std::int16_t keyCode) {
    const user::LPARAM lParam = 1 | (ArrowScanCode(keyCode) << 16);
    user::PostMessageA(ContainerWindowOf(button), user::WM_KEYDOWN, static_cast<user::WPARAM>(keyCode),
                       lParam);
}

void PressBySpace(ztButtons_H& button) {
    if ((button.StateFlags & StateFlagBits::ButtonHeld) != 0)
        return;
    button.IsPressing = True;
    button.StateFlags |= StateFlagBits::Pushed;
    RedrawButton(button);
    // Away from the pointer the pushed look stays on screen only until the next repaint.
    if (button.IsHovering == False)
        button.StateFlags &= static_cast<Integer>(~StateFlagBits::PointerInside);
}

void ClickByKeyboard(ztButtons_H& button) {
    button.LastMouseButton = container::kLeftButton;
    HandleClick(button);
}

} // namespace

void ztButtons_H::KeyDown(std::int16_t& keyCode, std::int16_t shift) {
    if (!AcceptsInput(*this))
        return;
    if (ArrowScanCode(keyCode) != 0) {
        PassArrowToContainer(*this, keyCode);
        keyCode = 0;
    } else if (keyCode == user::VK_SPACE) {
        PressBySpace(*this);
    }
    const std::int16_t code = keyCode;
    if (code != 0)
        RaiseEvent(*this, [&](ButtonEvents& events) { events.KeyDown(code, shift); });
}

void ztButtons_H::KeyUp(std::int16_t& keyCode, std::int16_t shift) {
    IsPressing = False;
    if (!AcceptsInput(*this)) {
        // Let go of a Space press that began before the button was disabled.
        if (keyCode == user::VK_SPACE && (StateFlags & StateFlagBits::ButtonHeld) != 0) {
            StateFlags &= static_cast<Integer>(~StateFlagBits::ButtonHeld);
            RedrawButton(*this);
        }
        return;
    }
    if (keyCode == user::VK_SPACE && (StateFlags & StateFlagBits::ButtonHeld) != 0) {
        // The key counts as the left button from here on, also for the host's KeyUp handler.
        LastMouseButton = container::kLeftButton;
        StateFlags &= static_cast<Integer>(~StateFlagBits::ButtonHeld);
        // Every mode repaints: a click that changes no Value (a checked option
        // button) must not leave the pushed look on screen.
        RedrawButton(*this);
        if (Mode != ModeValue::CommandButton) {
            // The host sees the key go up before the click changes Value.
            const std::int16_t code = keyCode;
            if (!RaiseEvent(*this, [&](ButtonEvents& events) { events.KeyUp(code, shift); }))
                return;
            keyCode = 0;
        }
        const std::weak_ptr<const bool> lifeToken = Links().LifeToken();
        HandleClick(*this);
        if (lifeToken.expired())
            return;
    } else if (ArrowScanCode(keyCode) != 0) {
        keyCode = 0;
        // The option button the arrow keys moved to becomes checked on release.
        if (Mode == ModeValue::OptionButton && Value == False) {
            const std::weak_ptr<const bool> lifeToken = Links().LifeToken();
            ClickByKeyboard(*this);
            if (lifeToken.expired())
                return;
        }
    } else if (keyCode == kShiftKey) {
        keyCode = 0;
    }
    const std::int16_t code = keyCode;
    if (code != 0)
        RaiseEvent(*this, [&](ButtonEvents& events) { events.KeyUp(code, shift); });
}

void ztButtons_H::KeyPress(std::int16_t& keyAscii) {
    if (!AcceptsInput(*this))
        return;
    const std::int16_t character = keyAscii;
    RaiseEvent(*this, [&](ButtonEvents& events) { events.KeyPress(character); });
}

void ztButtons_H::AccessKeyPress(std::int16_t keyAscii) {
    if (!AcceptsInput(*this))
        return;
    const bool enterOrEscape = keyAscii == kEnterCharacter || keyAscii == kEscapeCharacter;
    // Enter and Esc belong to the form's default and cancel command buttons only.
    if (enterOrEscape && Mode > ModeValue::CommandButton)
        return;
    if (!enterOrEscape && (StateFlags & StateFlagBits::DefaultLook) == 0)
        RedrawButton(*this);
    ClickByKeyboard(*this);
}

void ztButtons_H::GotFocus() {
    if (!AcceptsInput(*this))
        return;
    HandleGotFocus(*this);
}
