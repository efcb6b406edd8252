// Every public property: values outside its range are refused without a
// trace, a value the container refuses does not end the assignment, and every
// accepted assignment reports its property-bag key(s).
#include "control/tests/ModelSupport.h"
#include "control/tests/support/ButtonFixture.h"
#include "control/tests/support/PixelHelpers.h"

#include <gtest/gtest.h>

#include <functional>

using control_testing::ButtonFixture;
using model_testing::Keys;
using model_testing::KeysReportedBy;
using model_testing::SavedText;

namespace {

struct Assignment {
    const char* name;
    std::function<void(ztButtons_H&)> assign;
};

// The record's members that no saved key covers but an assignment could change.
std::vector<long long> UnsavedState(const ztButtons_H& button) {
    return {button.FaceLeft,           button.FaceRight,         button.CaptionRect.left, button.CaptionRect.right,
            button.ImageRect.left,     button.ImageRect.right,   button.StateFlags,       button.DrawingDelayed,
            button.FaceColor,          button.HoverFaceColor,    button.PictureSizePx,    button.ImageHandle};
}

TEST(PropertyRefusals, OutOfRangeValuesChangeNothingReportNothingAndShowNoNote) {
    ButtonFixture fixture({.width = 90, .height = 30});
    ztButtons_H& button = fixture.Button();
    fixture.Form().SetUserMode(false);  // design mode: notes would show
    button.SetCaption("Go");
    button.SetPicture(control_testing::MakeSolidPicture(8, 8, gdi::RGB(1, 2, 3)));

    const std::vector<Assignment> refused = {
        {"ButtonStyle 8", [](ztButtons_H& b) { b.SetButtonStyle(8); }},
        {"ButtonStyle -1", [](ztButtons_H& b) { b.SetButtonStyle(-1); }},
        {"Mode 3", [](ztButtons_H& b) { b.SetMode(3); }},
        {"Mode -1", [](ztButtons_H& b) { b.SetMode(-1); }},
        {"CaptionAlign 3", [](ztButtons_H& b) { b.SetCaptionAlign(3); }},
        {"CaptionAlign -1", [](ztButtons_H& b) { b.SetCaptionAlign(-1); }},
        {"CaptionStyle 3", [](ztButtons_H& b) { b.SetCaptionStyle(3); }},
        {"CaptionStyle -1", [](ztButtons_H& b) { b.SetCaptionStyle(-1); }},
        {"CustomClick 9", [](ztButtons_H& b) { b.SetCustomClick(9); }},
        {"CustomClick -1", [](ztButtons_H& b) { b.SetCustomClick(-1); }},
        {"ButtonShape 9", [](ztButtons_H& b) { b.SetButtonShape(9); }},
        {"ButtonShape -1", [](ztButtons_H& b) { b.SetButtonShape(-1); }},
        {"PictureAlign 6", [](ztButtons_H& b) { b.SetPictureAlign(6); }},
        {"PictureAlign -1", [](ztButtons_H& b) { b.SetPictureAlign(-1); }},
        {"GradientMode 5", [](ztButtons_H& b) { b.SetGradientMode(5); }},
        {"GradientMode -1", [](ztButtons_H& b) { b.SetGradientMode(-1); }},
        {"PictureSize 5", [](ztButtons_H& b) { b.SetPictureSize(5); }},
        {"PictureSize -1", [](ztButtons_H& b) { b.SetPictureSize(-1); }},
    };
    for (const Assignment& assignment : refused) {
        SCOPED_TRACE(assignment.name);
        const std::string saved = SavedText(fixture.Site());
        const std::vector<long long> unsaved = UnsavedState(button);
        const int refreshes = fixture.Site().RefreshCount();
        const Keys keys = KeysReportedBy(fixture.Site(), [&] { assignment.assign(button); });
        EXPECT_TRUE(keys.empty());
        EXPECT_EQ(SavedText(fixture.Site()), saved);
        EXPECT_EQ(UnsavedState(button), unsaved);
        EXPECT_EQ(fixture.Site().RefreshCount(), refreshes);
    }
    EXPECT_TRUE(fixture.Site().MessageBoxes().empty());
    EXPECT_EQ(button.GetPictureSize(), 0);  // 16 px, as set when the picture came
}

// A value the container refuses is skipped and the assignment goes on with
// its next step: the container keeps what it had, the follow-up work runs,
// drawing is switched back on where the assignment does so, and the key is
// reported.
TEST(PropertyContainerRefusals, TheAssignmentGoesOnPastTheRefusedStep) {
    struct Refusal {
        const char* name;
        std::function<void(ztButtons_H&)> assign;
        Keys keys;
        bool redraws;
        Integer pointerAfter;
    };
    const std::vector<Refusal> refusals = {
        {"MousePointer 16", [](ztButtons_H& b) { b.SetMousePointer(16); }, {"mPointer"}, false, 3},
        {"MousePointer 65537", [](ztButtons_H& b) { b.SetMousePointer(65537); }, {"mPointer"}, false, 3},
        {"MouseIcon a bitmap",
         [](ztButtons_H& b) { b.SetMouseIcon(control_testing::MakeSolidPicture(4, 4, gdi::RGB(9, 9, 9))); },
         {"mPointer", "mIcon"},
         false,
         container::kMousePointerCustom},
        {"Font none", [](ztButtons_H& b) { b.SetFont(nullptr); }, {"Font"}, true, 3},
        {"ForeColor not a colour", [](ztButtons_H& b) { b.SetForeColor(0x12345678); }, {"cFore"}, true, 3},
    };
    for (const Refusal& refusal : refusals) {
        SCOPED_TRACE(refusal.name);
        ButtonFixture fixture({.width = 90, .height = 30});
        ztButtons_H& button = fixture.Button();
        button.SetCaption("Go");
        button.SetMousePointer(3);
        const container::Font font = *button.GetFont();
        const OleColor foreColor = button.GetForeColor();
        const int refreshes = fixture.Site().RefreshCount();
        EXPECT_EQ(KeysReportedBy(fixture.Site(), [&] { refusal.assign(button); }), refusal.keys);
        EXPECT_EQ(fixture.Site().RefreshCount() > refreshes, refusal.redraws);
        EXPECT_EQ(button.GetMousePointer(), refusal.pointerAfter);
        EXPECT_EQ(button.GetMouseIcon(), nullptr);
        EXPECT_EQ(*button.GetFont(), font);
        EXPECT_EQ(button.GetForeColor(), foreColor);
    }

    // ForeColor switches delayed drawing back on even when its colour is refused.
    ButtonFixture fixture;
    fixture.Button().DelayDrawing(True);
    const int refreshes = fixture.Site().RefreshCount();
    fixture.Button().SetForeColor(0x12345678);
    EXPECT_EQ(fixture.Button().DrawingDelayed, False);
    EXPECT_GT(fixture.Site().RefreshCount(), refreshes);
}

struct Reported {
    const char* name;
    std::function<void(ztButtons_H&)> assign;
    Keys keys;
};

TEST(PropertyReports, EachAcceptedAssignmentReportsItsKeysInOrder) {
    const picture::PicturePtr icon = control_testing::MakeIconPicture(
        {"ii", "ii"}, control_testing::Legend{{'i', gdi::RGB(0, 0, 255)}}, gdi::RGB(255, 0, 255));
    const std::vector<Reported> cases = {
        {"ButtonStyle", [](ztButtons_H& b) { b.SetButtonStyle(7); }, {"BackStyle"}},
        {"Mode", [](ztButtons_H& b) { b.SetMode(1); }, {"Mode"}},
        {"Caption", [](ztButtons_H& b) { b.SetCaption("a"); }, {"Caption"}},
        {"CaptionAlign", [](ztButtons_H& b) { b.SetCaptionAlign(0); }, {"CapAlign"}},
        {"CaptionStyle", [](ztButtons_H& b) { b.SetCaptionStyle(2); }, {"CapStyle"}},
        {"CustomClick", [](ztButtons_H& b) { b.SetCustomClick(8); }, {"CustomClick"}},
        {"ButtonShape", [](ztButtons_H& b) { b.SetButtonShape(6); }, {"Shape"}},
        {"Picture", [](ztButtons_H& b) { b.SetPicture(nullptr); }, {"Image"}},
        {"PictureAlign", [](ztButtons_H& b) { b.SetPictureAlign(3); }, {"ImgAlign"}},
        {"PictureAlign top", [](ztButtons_H& b) { b.SetPictureAlign(5); }, {"CapAlign", "ImgAlign"}},
        {"Enabled", [](ztButtons_H& b) { b.SetEnabled(False); }, {"Enabled"}},
        {"ShowFocusRect", [](ztButtons_H& b) { b.SetShowFocusRect(False); }, {"Focus"}},
        {"PictureSize", [](ztButtons_H& b) { b.SetPictureSize(4); }, {"ImgSize"}},
        {"MousePointer", [](ztButtons_H& b) { b.SetMousePointer(15); }, {"mPointer"}},
        {"MouseIcon", [&](ztButtons_H& b) { b.SetMouseIcon(icon); }, {"mPointer", "mIcon"}},
        {"Font", [](ztButtons_H& b) { b.SetFont(std::make_shared<container::Font>("宋体", 12)); }, {"Font"}},
        {"FontStyle", [](ztButtons_H& b) { b.SetFontStyle(14); }, {"Font"}},
        {"ForeColor", [](ztButtons_H& b) { b.SetForeColor(0x0000FF); }, {"cFHover", "cFore"}},
        {"BackColor", [](ztButtons_H& b) { b.SetBackColor(0x00FF00); }, {"cBHover", "cBack"}},
        {"GradientColor", [](ztButtons_H& b) { b.SetGradientColor(0xFF0000); }, {"cGradient"}},
        {"GradientMode", [](ztButtons_H& b) { b.SetGradientMode(4); }, {"Gradient"}},
        {"HoverColorLocks 0", [](ztButtons_H& b) { b.SetHoverColorLocks(0); }, {"cBHover", "cFHover", "LockHover"}},
        {"HoverColorLocks 1", [](ztButtons_H& b) { b.SetHoverColorLocks(1); }, {"cFHover", "LockHover"}},
        {"HoverColorLocks 2", [](ztButtons_H& b) { b.SetHoverColorLocks(2); }, {"cBHover", "LockHover"}},
        {"HoverColorLocks 77", [](ztButtons_H& b) { b.SetHoverColorLocks(77); }, {"LockHover"}},
        {"HoverForeColor", [](ztButtons_H& b) { b.SetHoverForeColor(0x123456); }, {"cFHover", "cFHover"}},
        {"HoverBackColor", [](ztButtons_H& b) { b.SetHoverBackColor(0x123456); }, {"cBHover"}},
    };
    for (const Reported& reported : cases) {
        SCOPED_TRACE(reported.name);
        ButtonFixture fixture({.width = 90, .height = 30});
        EXPECT_EQ(KeysReportedBy(fixture.Site(), [&] { reported.assign(fixture.Button()); }), reported.keys);
    }
}

TEST(PropertyReports, AcceptedValuesReadBack) {
    ButtonFixture fixture;
    ztButtons_H& button = fixture.Button();
    button.SetButtonStyle(7);
    button.SetMode(2);
    button.SetCaptionStyle(2);
    button.SetCustomClick(8);
    button.SetGradientMode(4);
    button.SetHoverColorLocks(-5);
    button.SetMousePointer(99);
    button.SetFontStyle(8);
    EXPECT_EQ(button.GetButtonStyle(), 7);
    EXPECT_EQ(button.GetMode(), 2);
    EXPECT_EQ(button.GetCaptionStyle(), 2);
    EXPECT_EQ(button.GetCustomClick(), 8);
    EXPECT_EQ(button.GetGradientMode(), 4);
    EXPECT_EQ(button.GetHoverColorLocks(), -5);
    EXPECT_EQ(button.GetMousePointer(), 99);
    EXPECT_EQ(button.GetFontStyle(), 8);
    EXPECT_EQ(button.GetResetDefaultColors(), False);
    EXPECT_EQ(button.GetHdc(), fixture.Site().HDC());
    EXPECT_EQ(button.GetHwnd(), fixture.Site().HWnd());
    // Booleans: any non-zero value is True and reads back as -1.
    button.SetShowFocusRect(1);
    EXPECT_EQ(button.GetShowFocusRect(), True);
}

// The notes of refused or ineffective assignments appear at design time only.
TEST(DesignNotes, ShownWithTheirTextsInDesignModeAndNeverAtRunTime) {
    const picture::PicturePtr icon = control_testing::MakeIconPicture(
        {"ii", "ii"}, control_testing::Legend{{'i', gdi::RGB(0, 0, 255)}}, gdi::RGB(255, 0, 255));
    struct Note {
        const char* name;
        std::function<void(ButtonFixture&)> provoke;
        std::string text;
    };
    const std::vector<Note> notes = {
        {"CaptionAlign", [](ButtonFixture& f) {
             f.Button().SetPicture(control_testing::MakeSolidPicture(8, 8, 0x102030));
             f.Button().SetPictureAlign(4);
             f.Button().SetCaptionAlign(1);
         },
         "When button images are aligned top/bottom center, \r\nbutton captions can only be center aligned"},
        {"CustomClick", [](ButtonFixture& f) { f.Button().SetCustomClick(1); },
         "This property has no effect unless the Button Shape is a custom shape."},
        {"ButtonShape", [](ButtonFixture& f) { f.Button().SetButtonShape(8); },
         "The Picture Property must be assigned first and must be a bitmap or JPEG."},
        {"Picture", [&](ButtonFixture& f) {
             f.Button().SetPicture(control_testing::MakeSolidPicture(8, 8, 0x102030));
             f.Button().SetButtonShape(7);
             f.Button().SetPicture(icon);
         },
         "Icons cannot be used for custom buttons. Only use bitmaps or JPEGs.\r\nButton was changed to Rectangular "
         "shaped."},
        {"ShowFocusRect", [](ButtonFixture& f) {
             f.Button().StateFlags = StateFlagBits::DefaultLook;
             f.Button().SetShowFocusRect(False);
         },
         "The focus rectangle may appear on default buttons ONLY while in design mode, \r\nbut will not appear when "
         "the form is running."},
        {"Value", [](ButtonFixture& f) { f.Button().SetValue(True); },
         "This property is not applicable for command button modes."},
        {"PictureSize", [](ButtonFixture& f) {
             f.Button().SetPicture(control_testing::MakeSolidPicture(8, 8, 0x102030));
             f.Button().SetButtonShape(7);
             f.Button().SetPictureSize(1);
         },
         "The picture size cannot be changed for Shaped buttons"},
    };
    for (const Note& note : notes) {
        SCOPED_TRACE(note.name);
        for (const bool designMode : {true, false}) {
            ButtonFixture fixture({.width = 90, .height = 30});
            fixture.Form().SetUserMode(!designMode);
            note.provoke(fixture);
            const auto& boxes = fixture.Site().MessageBoxes();
            if (designMode) {
                ASSERT_EQ(boxes.size(), 1u);
                EXPECT_EQ(boxes[0].text, note.text);
                EXPECT_EQ(boxes[0].title, fixture.Form().Title());
            } else {
                EXPECT_TRUE(boxes.empty());
            }
        }
    }
}

}  // namespace
