// Conversions between the units of ScaleX for a container that measures in
// twips: points are 20 twips, pixels twipsPerPixel twips, and the container's
// own size unit is the twip.
#pragma once

#include "platform/container/ControlSite.h"

namespace container {

inline float TwipsPerUnit(ScaleUnit unit, double twipsPerPixel) {
    switch (unit) {
    case ScaleUnit::Points:
        return 20.0f;
    case ScaleUnit::Pixels:
        return static_cast<float>(twipsPerPixel);
    case ScaleUnit::Twips:
    case ScaleUnit::ContainerSize:
        return 1.0f;
    }
    return 1.0f;
}

inline float ConvertScale(float value, ScaleUnit from, ScaleUnit to, double twipsPerPixel) {
    return value * TwipsPerUnit(from, twipsPerPixel) / TwipsPerUnit(to, twipsPerPixel);
}

} // namespace container
