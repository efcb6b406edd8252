// Raising an event to the host. The host's handler runs at once and may
// destroy the button (a Click handler that closes its form), so every caller
// that goes on afterwards asks whether the button still lives.
#pragma once

#include "control/input/ButtonEvents.h"
#include "control/model/ztButtons_H.h"

// Calls raise(sink) when the button has a sink. Returns false when the
// handler destroyed the button: the caller must not touch it again.
template <typename RaiseFunction> bool RaiseEvent(ztButtons_H& button, RaiseFunction&& raise) {
    ButtonEvents* events = button.EventSink();
    if (events == nullptr)
        return true;
    const std::weak_ptr<const bool> lifeToken = button.Links().LifeToken();
    raise(*events);
    return !lifeToken.expired();
}
