// The notices a container sends to the control it hosts. A control overrides
// the ones it handles; the others do nothing. Arguments a handler may change
// (key codes, drag effects) are passed by reference as the form run-time does.
#pragma once

#include "platform/container/DataObject.h"
#include "platform/container/PropertyBag.h"

#include <cstdint>
#include <string_view>

namespace container {

// Mouse buttons and shift state as the notices report them.
constexpr std::int16_t kLeftButton = 1;
constexpr std::int16_t kRightButton = 2;
constexpr std::int16_t kMiddleButton = 4;
constexpr std::int16_t kShiftMask = 1;
constexpr std::int16_t kCtrlMask = 2;
constexpr std::int16_t kAltMask = 4;

class ControlNotices {
  public:
    virtual ~ControlNotices() = default;

    // Life and persistence.
    virtual void InitProperties() {}
    virtual void ReadProperties(const PropertyBag& /*bag*/) {}
    virtual void WriteProperties(PropertyBag& /*bag*/) {}
    virtual void Show() {}
    virtual void Resize() {}
    virtual void Paint() {}
    virtual void Terminate() {}
    virtual void AmbientChanged(std::string_view /*propertyName*/) {}

    // Mouse; x and y in the control's client pixels.
    virtual void MouseDown(std::int16_t /*button*/, std::int16_t /*shift*/, float /*x*/, float /*y*/) {}
    virtual void MouseUp(std::int16_t /*button*/, std::int16_t /*shift*/, float /*x*/, float /*y*/) {}
    virtual void MouseMove(std::int16_t /*button*/, std::int16_t /*shift*/, float /*x*/, float /*y*/) {}
    virtual void Click() {}
    virtual void DblClick() {}

    // Keyboard and focus.
    virtual void KeyDown(std::int16_t& /*keyCode*/, std::int16_t /*shift*/) {}
    virtual void KeyUp(std::int16_t& /*keyCode*/, std::int16_t /*shift*/) {}
    virtual void KeyPress(std::int16_t& /*keyAscii*/) {}
    virtual void AccessKeyPress(std::int16_t /*keyAscii*/) {}
    virtual void GotFocus() {}

    // Drag and drop.
    virtual void OLECompleteDrag(std::int32_t& /*effect*/) {}
    virtual void OLEDragDrop(DataObject& /*data*/, std::int32_t& /*effect*/, std::int16_t& /*button*/,
                             std::int16_t& /*shift*/, float& /*x*/, float& /*y*/) {}
    virtual void OLEDragOver(DataObject& /*data*/, std::int32_t& /*effect*/, std::int16_t& /*button*/,
                             std::int16_t& /*shift*/, float& /*x*/, float& /*y*/, std::int16_t& /*state*/) {}
    virtual void OLEGiveFeedback(std::int32_t& /*effect*/, bool& /*defaultCursors*/) {}
    virtual void OLESetData(DataObject& /*data*/, std::int16_t& /*dataFormat*/) {}
    virtual void OLEStartDrag(DataObject& /*data*/, std::int32_t& /*allowedEffects*/) {}
};

} // namespace container
