#include "platform/container/Font.h"

namespace container {

bool Font::SetSize(double points) {
    // The form run-time's limit for a font size is 2160 points.
    if (!(points > 0.0 && points <= 2160.0))
        return false;
    size_ = points;
    return true;
}

bool Font::SetWeight(std::int16_t weight) {
    if (weight < 0 || weight > 1000)
        return false;
    weight_ = weight;
    return true;
}

} // namespace container
