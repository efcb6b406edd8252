#include "control/render/Rounding.h"

#include "control/model/ztButtons_H.h"

#include <cmath>
#include <limits>

Long RoundHalfEven(double value) {
    // Out-of-range and NaN values give the nearest representable Long (NaN: 0)
    // instead of undefined conversions.
    if (std::isnan(value)) return 0;
    constexpr double lowest = std::numeric_limits<Long>::min();
    constexpr double highest = std::numeric_limits<Long>::max();
    if (value <= lowest) return std::numeric_limits<Long>::min();
    if (value >= highest) return std::numeric_limits<Long>::max();
    // nearbyint rounds in the current mode, which is to-nearest-even unless
    // someone changed it; say so explicitly instead of relying on it.
    const double floorValue = std::floor(value);
    const double fraction = value - floorValue;
    double rounded = floorValue;
    if (fraction > 0.5) {
        rounded = floorValue + 1.0;
    } else if (fraction == 0.5) {
        rounded = std::fmod(floorValue, 2.0) == 0.0 ? floorValue : floorValue + 1.0;
    }
    return static_cast<Long>(rounded);
}

Long ClientWidth(const ztButtons_H& button) { return RoundHalfEven(button.ScaleWidth()); }

Long ClientHeight(const ztButtons_H& button) { return RoundHalfEven(button.ScaleHeight()); }
