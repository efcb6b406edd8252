#include "platform/container/Font.h"

namespace container {

Font::Font(std::string name, double size) : name_(std::move(name)) {
    if (size > kLargestSize)
        size_ = kLargestSize;
    else if (size > 0.0)
        size_ = size;
}

bool Font::SetSize(double points) {
    if (!(points > 0.0 && points <= kLargestSize))
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
