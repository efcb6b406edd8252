// The events a ztButtons_H raises towards the form that hosts it, in their
// declaration order. A host overrides the ones it handles. Every event is
// raised synchronously: the handler runs before the control goes on, and it
// may change or destroy the control (the control checks that it still lives
// before it touches its state again). Mouse and key arguments are copies the
// control never reads back; the drag-and-drop arguments are the container's
// own, forwarded by reference so that the host's answer reaches it.
#pragma once

#include "platform/container/DataObject.h"

#include <cstdint>

class ButtonEvents {
  public:
    virtual ~ButtonEvents() = default;

    // button: 1 left, 2 right, 4 middle; shift: 1 Shift, 2 Ctrl, 4 Alt; x, y in client pixels.
    virtual void MouseDown(std::int16_t /*button*/, std::int16_t /*shift*/, float /*x*/, float /*y*/) {}
    virtual void MouseUp(std::int16_t /*button*/, std::int16_t /*shift*/, float /*x*/, float /*y*/) {}
    virtual void MouseMove(std::int16_t /*button*/, std::int16_t /*shift*/, float /*x*/, float /*y*/) {}
    virtual void KeyDown(std::int16_t /*keyCode*/, std::int16_t /*shift*/) {}
    virtual void KeyPress(std::int16_t /*keyAscii*/) {}
    virtual void KeyUp(std::int16_t /*keyCode*/, std::int16_t /*shift*/) {}
    // True when the pointer comes over the button's window, false once it has left.
    virtual void MouseOnButton(bool /*onButton*/) {}
    virtual void Click() {}
    // button: the last mouse button, 1 for a left double click.
    virtual void DoubleClick(std::int16_t /*button*/) {}

    virtual void OLECompleteDrag(std::int32_t& /*effect*/) {}
    virtual void OLEDragDrop(container::DataObject& /*data*/, std::int32_t& /*effect*/,
                             std::int16_t& /*button*/, std::int16_t& /*shift*/, float& /*x*/, float& /*y*/) {}
    virtual void OLEDragOver(container::DataObject& /*data*/, std::int32_t& /*effect*/,
                             std::int16_t& /*button*/, std::int16_t& /*shift*/, float& /*x*/, float& /*y*/,
                             std::int16_t& /*state*/) {}
    virtual void OLEGiveFeedback(std::int32_t& /*effect*/, bool& /*defaultCursors*/) {}
    virtual void OLESetData(container::DataObject& /*data*/, std::int16_t& /*dataFormat*/) {}
    virtual void OLEStartDrag(container::DataObject& /*data*/, std::int32_t& /*allowedEffects*/) {}
};
