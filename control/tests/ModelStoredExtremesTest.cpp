// Stored values are taken as they are, without the assignments' range checks,
// so every reader of the record must cope with any number a damaged or
// hand-edited form holds. Each key is loaded at its extremes and the button is
// then painted in every style, shape and state; under the sanitizers any table
// read out of range, any overflow or division by zero shows here.
#include "control/tests/ModelSupport.h"
#include "control/tests/PaintSupport.h"
#include "control/tests/support/ButtonFixture.h"
#include "control/tests/support/PixelHelpers.h"

#include <gtest/gtest.h>

#include <functional>
#include <limits>

using container::Color;
using container::PropertyBag;
using control_testing::ButtonFixture;

namespace {

constexpr Long kLowest = std::numeric_limits<Long>::min();
constexpr Long kHighest = std::numeric_limits<Long>::max();

// The enumerated keys with the first value past their range.
struct NumberKey {
    const char* key;
    Long onePast;
    Long ButtonState::*member;
};
const NumberKey kNumberKeys[] = {
    {"CapAlign", 3, &ButtonState::CaptionAlign},
    {"BackStyle", 8, &ButtonState::ButtonStyle},
    {"Shape", 9, &ButtonState::ButtonShape},
    {"Gradient", 5, &ButtonState::GradientMode},
    {"Mode", 3, &ButtonState::Mode},
    {"CustomClick", 9, &ButtonState::CustomClick},
    {"ImgAlign", 6, &ButtonState::PictureAlign},
    {"LockHover", 4, &ButtonState::HoverColorLocks},
    {"CapStyle", 3, &ButtonState::CaptionStyle},
};

struct ColourKey {
    const char* key;
    OleColor ButtonState::*member;
};
const ColourKey kColourKeys[] = {
    {"cGradient", &ButtonState::GradientColor},
    {"cFHover", &ButtonState::HoverForeColor},
    {"cBack", &ButtonState::BackColor},
    {"cBHover", &ButtonState::HoverBackColor},
};

// One way of being out of range, applied to every key at once.
struct Extreme {
    const char* name;
    std::function<Long(const NumberKey&)> number;
    Integer pictureSize; // "ImgSize"
    OleColor colour;     // system colour 0xFF past the table, or bits no colour has
};

const Extreme kExtremes[] = {
    {"lowest", [](const NumberKey&) { return kLowest; }, std::numeric_limits<Integer>::min(),
     static_cast<OleColor>(0x80000000)},
    {"minus one", [](const NumberKey&) { return Long{-1}; }, Integer{-1}, OleColor{-1}},
    {"one past the range", [](const NumberKey& key) { return key.onePast; }, Integer{56},
     static_cast<OleColor>(0x800000FF)},
    {"highest", [](const NumberKey&) { return kHighest; }, std::numeric_limits<Integer>::max(),
     OleColor{0x7FFFFFFF}},
};

PropertyBag ExtremeBag(const Extreme& extreme, const picture::PicturePtr& picture) {
    PropertyBag bag;
    bag.WriteProperty("Caption", std::string("&Tall||and && wide caption"));
    for (const NumberKey& key : kNumberKeys)
        bag.WriteProperty(key.key, extreme.number(key));
    for (const ColourKey& key : kColourKeys)
        bag.WriteProperty(key.key, Color{extreme.colour});
    bag.WriteProperty("cFore", Color{extreme.colour});
    bag.WriteProperty("ImgSize", extreme.pictureSize);
    bag.WriteProperty("mPointer", extreme.pictureSize);
    bag.WriteProperty("Image", picture);
    bag.WriteProperty("Value", true);
    return bag;
}

// The states the painters tell apart, each set on the loaded button in turn.
struct PaintState {
    const char* name;
    std::function<void(ztButtons_H&)> apply;
};
const PaintState kStates[] = {
    {"checked", [](ztButtons_H&) {}},
    {"unchecked", [](ztButtons_H& b) { b.Value = False; }},
    {"hovering", [](ztButtons_H& b) { paint_testing::SetHover(b, true); }},
    {"pushed", [](ztButtons_H& b) { paint_testing::SetPushed(b, true); }},
    {"pushed default",
     [](ztButtons_H& b) {
         paint_testing::SetPushed(b, true);
         paint_testing::SetDefaultLook(b, true);
     }},
    {"unchecked default",
     [](ztButtons_H& b) {
         b.Value = False;
         paint_testing::SetDefaultLook(b, true);
     }},
    {"disabled", [](ztButtons_H& b) { b.Site()->SetEnabled(false); }},
};

// Back to the loaded state: checked, enabled, no input going on.
void ResetState(ztButtons_H& button) {
    button.StateFlags = 0;
    button.IsHovering = False;
    button.IsPressing = False;
    button.Value = True;
    button.Site()->SetEnabled(true);
}

TEST(StoredExtremes, EveryKeyIsTakenAsStoredAndEveryStyleShapeAndStatePaints) {
    const picture::PicturePtr picture = model_testing::MakeStoredBitmap(8, 4, 250, 0, 250);
    for (const Extreme& extreme : kExtremes) {
        SCOPED_TRACE(extreme.name);
        const gdi::DWORD liveBefore = control_testing::LiveGdiObjects();
        {
            ButtonFixture fixture({.width = 40, .height = 20, .typicalSettings = false, .resize = false});
            ztButtons_H& button = fixture.Button();
            fixture.Site().ReadProperties(ExtremeBag(extreme, picture));

            for (const NumberKey& key : kNumberKeys)
                EXPECT_EQ(button.*key.member, extreme.number(key)) << key.key;
            for (const ColourKey& key : kColourKeys)
                EXPECT_EQ(button.*key.member, extreme.colour) << key.key;
            EXPECT_EQ(button.PictureSizePx, extreme.pictureSize);
            EXPECT_EQ(button.GetPictureSize(), extreme.pictureSize / 8 - 2);

            const Long storedStyle = button.ButtonStyle;
            const Long storedShape = button.ButtonShape;
            const int refreshesBefore = fixture.Site().RefreshCount();
            for (Long style = -1; style <= ButtonStyleValue::Last + 1; ++style) {
                for (Long shape = -1; shape <= ButtonShapeValue::CustomGradient + 1; ++shape) {
                    SCOPED_TRACE("style " + std::to_string(style) + ", shape " + std::to_string(shape));
                    // The stored style and shape stand in for the values just outside the ranges.
                    button.ButtonStyle = style == ButtonStyleValue::Last + 1 ? storedStyle : style;
                    button.ButtonShape = shape == ButtonShapeValue::CustomGradient + 1 ? storedShape : shape;
                    UpdateDrawingState(button, "BackColor");
                    button.Resize();
                    for (const PaintState& state : kStates) {
                        state.apply(button);
                        RedrawButton(button);
                        ResetState(button);
                    }
                }
            }
            EXPECT_GT(fixture.Site().RefreshCount(), refreshesBefore);
            fixture.Site().Terminate();
        }
        EXPECT_EQ(control_testing::LiveGdiObjects(), liveBefore) << "every handle is released";
    }
}

} // namespace
