// Drag-and-drop notices go to the host unchanged, as events of the same name.
#include "control/input/RaiseEvent.h"

void ztButtons_H::OLECompleteDrag(std::int32_t& effect) {
    RaiseEvent(*this, [&](ButtonEvents& events) { events.OLECompleteDrag(effect); });
}

void ztButtons_H::OLEDragDrop(container::DataObject& data, std::int32_t& effect, std::int16_t& button,
                              std::int16_t& shift, float& x, float& y) {
    RaiseEvent(*this, [&](ButtonEvents& events) { events.OLEDragDrop(data, effect, button, shift, x, y); });
}

void ztButtons_H::OLEDragOver(container::DataObject& data, std::int32_t& effect, std::int16_t& button,
                              std::int16_t& shift, float& x, float& y, std::int16_t& state) {
    RaiseEvent(*this,
               [&](ButtonEvents& events) { events.OLEDragOver(data, effect, button, shift, x, y, state); });
}

void ztButtons_H::OLEGiveFeedback(std::int32_t& effect, bool& defaultCursors) {
    RaiseEvent(*this, [&](ButtonEvents& events) { events.OLEGiveFeedback(effect, defaultCursors); });
}

void ztButtons_H::OLESetData(container::DataObject& data, std::int16_t& dataFormat) {
    RaiseEvent(*this, [&](ButtonEvents& events) { events.OLESetData(data, dataFormat); });
}

void ztButtons_H::OLEStartDrag(container::DataObject& data, std::int32_t& allowedEffects) {
    RaiseEvent(*this, [&](ButtonEvents& events) { events.OLEStartDrag(data, allowedEffects); });
}
