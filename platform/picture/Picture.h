// A picture object as a form keeps it: a bitmap (held as a DIB section) or an
// icon, with its natural size and the file bytes it was made from, so that it
// can be saved with the form and loaded again.
#pragma once

#include "platform/gdi/gdi.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace picture {

enum class PictureType { None = 0, Bitmap = 1, Icon = 3 };

class Picture {
public:
    // Takes ownership of handle (an HBITMAP for Bitmap, an HICON for Icon).
    Picture(gdi::HANDLE handle, PictureType type, int width, int height, std::vector<std::uint8_t> bytes);
    ~Picture();
    Picture(const Picture&) = delete;
    Picture& operator=(const Picture&) = delete;

    gdi::HANDLE Handle() const { return handle_; }
    PictureType Type() const { return type_; }
    int Width() const { return width_; }    // pixels
    int Height() const { return height_; }  // pixels
    const std::vector<std::uint8_t>& Bytes() const { return bytes_; }

private:
    gdi::HANDLE handle_;
    PictureType type_;
    int width_;
    int height_;
    std::vector<std::uint8_t> bytes_;
};

using PicturePtr = std::shared_ptr<const Picture>;

// BMP, JPEG, PNG, GIF, ICO and CUR. Returns null when the data is not a
// picture. Bitmaps become 32-bit DIB sections; icons keep their mask.
PicturePtr LoadPictureBytes(const std::vector<std::uint8_t>& bytes);
PicturePtr LoadPictureFile(const std::string& path);

}  // namespace picture
