#include "app/StoredButtons.h"

#include "app/PointingHandCursors.h"

#include <cstdint>

namespace app {
namespace {

using container::Color;

constexpr std::int32_t kCenter = 2;
constexpr std::int32_t kHoverBackKept = 1; // hover back colour kept, hover fore colour follows
constexpr std::int16_t kCustomPointer = 99;
constexpr container::OleColor kButtonFace = static_cast<container::OleColor>(0x8000000F);

constexpr container::OleColor Rgb(int red, int green, int blue) {
    return red | (green << 8) | (blue << 16);
}

container::FontPtr SongNinePoint() {
    return std::make_shared<container::Font>("宋体", 9.0); // GB2312, normal weight
}

// What all three share: centred caption, gradient colour black, command mode, the Song font.
container::PropertyBag CommonSettings(const std::string& caption) {
    container::PropertyBag bag;
    bag.WriteProperty("Caption", caption);
    bag.WriteProperty("CapAlign", kCenter);
    bag.WriteProperty("cGradient", Color{0});
    bag.WriteProperty("Mode", std::int32_t{0});
    bag.WriteProperty("Value", false);
    bag.WriteProperty("Font", SongNinePoint());
    bag.WriteProperty("mPointer", kCustomPointer);
    return bag;
}

} // namespace

container::PropertyBag StoredDateTimeButton() {
    container::PropertyBag bag = CommonSettings("获取标准时间");
    bag.WriteProperty("BackStyle", std::int32_t{2});
    bag.WriteProperty("cFore", Color{Rgb(0, 0, 192)});
    bag.WriteProperty("cFHover", Color{Rgb(0, 0, 192)});
    bag.WriteProperty("cBack", Color{Rgb(122, 192, 221)});
    bag.WriteProperty("cBHover", Color{Rgb(192, 255, 192)});
    bag.WriteProperty("LockHover", kHoverBackKept);
    bag.WriteProperty("mIcon", PointingHandCursor(HandHotSpot::Fingertip));
    return bag;
}

container::PropertyBag StoredHomePageButton(const std::string& address) {
    container::PropertyBag bag = CommonSettings(address);
    bag.WriteProperty("BackStyle", std::int32_t{6});
    bag.WriteProperty("Shape", std::int32_t{4}); // ellipse
    bag.WriteProperty("cBack", Color{Rgb(122, 192, 221)});
    bag.WriteProperty("cBHover", Color{Rgb(255, 192, 192)});
    bag.WriteProperty("LockHover", kHoverBackKept);
    bag.WriteProperty("mIcon", PointingHandCursor(HandHotSpot::Palm));
    return bag;
}

container::PropertyBag StoredServerTestButton() {
    container::PropertyBag bag = CommonSettings("测试上面的地址，有效的放下面");
    bag.WriteProperty("cBack", Color{kButtonFace});
    bag.WriteProperty("mIcon", PointingHandCursor(HandHotSpot::Palm));
    return bag;
}

} // namespace app
