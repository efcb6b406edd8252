// What a button's input handling keeps beside its state record: the host's
// event sink, a life token that lets a handler notice when a host's event
// handler destroyed the button, and the windows that hold references to the
// button (the option group's container window, the hovered window with its
// timer). Destroying the links removes those references, so no timer tick or
// group member reaches a button that is gone.
#pragma once

#include "platform/window/user.h"

#include <memory>

class ButtonEvents;
class ztButtons_H;

class InputLinks {
  public:
    explicit InputLinks(const ztButtons_H& owner) : owner_(owner) {}
    ~InputLinks(); // stops the hover timer and leaves the option group
    InputLinks(const InputLinks&) = delete;
    InputLinks& operator=(const InputLinks&) = delete;

    ButtonEvents* events = nullptr;
    user::HWND groupWindow = 0; // container window whose option group lists the button; 0: none
    user::HWND hoverWindow = 0; // window that carries the button's hover timer; 0: none

    // Expires when the button is destroyed.
    std::weak_ptr<const bool> LifeToken() const { return alive_; }

  private:
    const ztButtons_H& owner_;
    std::shared_ptr<const bool> alive_ = std::make_shared<const bool>(true);
};
