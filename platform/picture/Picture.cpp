#include "platform/picture/Picture.h"

#include <utility>

namespace picture {

Picture::Picture(gdi::HANDLE handle, PictureType type, int width, int height, std::vector<std::uint8_t> bytes)
    : handle_(handle), type_(type), width_(width), height_(height), bytes_(std::move(bytes)) {}

Picture::~Picture() {
    if (handle_ == 0) {
        return;
    }
    if (type_ == PictureType::Icon) {
        gdi::DestroyIcon(handle_);
    } else {
        gdi::DeleteObject(handle_);
    }
}

} // namespace picture
