// The headless site as a control sees it: ambient values, recorded change
// reports and message boxes, kept values with their checks, geometry in
// pixels and twips, the window DC, and notices delivered by the test.
#include "platform/headless/HeadlessSite.h"
#include "platform/window/user.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace {

using headless::HeadlessForm;
using headless::HeadlessSite;
using headless::HeadlessWindowSystem;

// A control that writes down every notice it gets.
class RecordingControl : public container::ControlNotices {
  public:
    std::vector<std::string> log;
    std::function<void(std::string_view)> onAmbientChanged;

    void InitProperties() override { log.push_back("InitProperties"); }
    void ReadProperties(const container::PropertyBag& bag) override {
        log.push_back("ReadProperties " + container::ToString(bag.ReadProperty("Caption")).value_or("?"));
    }
    void WriteProperties(container::PropertyBag& bag) override {
        log.push_back("WriteProperties");
        bag.WriteProperty("Caption", std::string("OK"), std::string());
    }
    void Resize() override { log.push_back("Resize"); }
    void Paint() override { log.push_back("Paint"); }
    void Terminate() override { log.push_back("Terminate"); }
    void AmbientChanged(std::string_view name) override {
        log.push_back("AmbientChanged " + std::string(name));
        if (onAmbientChanged)
            onAmbientChanged(name);
    }
    void MouseDown(std::int16_t button, std::int16_t shift, float x, float y) override {
        log.push_back("MouseDown " + Arguments(button, shift, x, y));
    }
    void MouseMove(std::int16_t button, std::int16_t shift, float x, float y) override {
        // The hover start asks the window system what lies under the cursor.
        user::POINT cursor{};
        user::GetCursorPos(&cursor);
        underCursor = user::WindowFromPoint(cursor);
        log.push_back("MouseMove " + Arguments(button, shift, x, y));
    }
    void KeyDown(std::int16_t& keyCode, std::int16_t) override {
        log.push_back("KeyDown " + std::to_string(keyCode));
        if (keyCode >= 37 && keyCode <= 40)
            keyCode = 0; // arrows are the container's
    }
    void MouseUp(std::int16_t button, std::int16_t shift, float x, float y) override {
        log.push_back("MouseUp " + Arguments(button, shift, x, y));
    }
    void Click() override { log.push_back("Click"); }
    void DblClick() override { log.push_back("DblClick"); }

    user::HWND underCursor = 0;

  private:
    static std::string Arguments(std::int16_t button, std::int16_t shift, float x, float y) {
        return std::to_string(button) + " " + std::to_string(shift) + " " +
               std::to_string(static_cast<int>(x)) + " " + std::to_string(static_cast<int>(y));
    }
};

picture::PicturePtr MakePicture(picture::PictureType type) {
    const gdi::HBITMAP bitmap = gdi::CreateBitmap(4, 4, 1, 32, nullptr);
    if (type == picture::PictureType::Bitmap) {
        return std::make_shared<picture::Picture>(bitmap, type, 4, 4, std::vector<std::uint8_t>{});
    }
    const gdi::HBITMAP mask = gdi::CreateBitmap(4, 4, 1, 1, nullptr);
    gdi::ICONINFO info{1, 0, 0, mask, bitmap};
    const gdi::HICON icon = gdi::CreateIconIndirect(&info);
    gdi::DeleteObject(mask);
    gdi::DeleteObject(bitmap);
    return std::make_shared<picture::Picture>(icon, type, 4, 4, std::vector<std::uint8_t>{});
}

class Site : public ::testing::Test {
  protected:
    HeadlessWindowSystem system;
    user::ScopedBackend install{&system};
    HeadlessForm form{system, 100, 50, 400, 300};
    HeadlessSite site{form, "cmdDateTime", 10, 20, 139, 23};
    RecordingControl control;

    void SetUp() override { site.Attach(&control); }
    void TearDown() override { site.Terminate(); }
};

TEST_F(Site, TheControlWindowIsAChildOfTheForm) {
    EXPECT_EQ(site.ContainerHWnd(), form.HWnd());
    EXPECT_EQ(user::GetParent(site.HWnd()), form.HWnd());
    user::RECT rect{};
    user::GetWindowRect(site.HWnd(), &rect);
    EXPECT_EQ(rect.left, 110);
    EXPECT_EQ(rect.top, 70);
    EXPECT_FLOAT_EQ(site.ScaleWidth(), 139.0f);
    EXPECT_FLOAT_EQ(site.ScaleHeight(), 23.0f);
}

TEST_F(Site, HdcDrawsOnTheControlWindow) {
    const gdi::HBRUSH brush = gdi::CreateSolidBrush(gdi::RGB(10, 20, 30));
    const gdi::RECT rect{0, 0, 139, 23};
    gdi::FillRect(site.HDC(), &rect, brush);
    gdi::DeleteObject(brush);
    EXPECT_EQ(system.ScreenPixel(110, 70), gdi::RGB(10, 20, 30));
    EXPECT_EQ(system.ScreenPixel(248, 92), gdi::RGB(10, 20, 30));
    EXPECT_NE(system.ScreenPixel(249, 92), gdi::RGB(10, 20, 30));
}

TEST_F(Site, AmbientValuesAreConfigurableAndChangesAreAnnounced) {
    EXPECT_EQ(site.AmbientDisplayName(), "cmdDateTime");
    EXPECT_TRUE(site.AmbientUserMode());
    EXPECT_FALSE(site.AmbientDisplayAsDefault());
    EXPECT_EQ(site.AmbientBackColor(), static_cast<container::OleColor>(0x8000000F));

    form.SetBackColor(0x00C0FFEE);
    site.SetDisplayAsDefault(true);
    form.SetUserMode(false);
    EXPECT_EQ(site.AmbientBackColor(), 0x00C0FFEE);
    EXPECT_EQ(site.ParentBackColor(), 0x00C0FFEE);
    EXPECT_TRUE(site.AmbientDisplayAsDefault());
    EXPECT_FALSE(site.AmbientUserMode());
    EXPECT_EQ(control.log,
              (std::vector<std::string>{"AmbientChanged BackColor", "AmbientChanged DisplayAsDefault",
                                        "AmbientChanged UserMode"}));
}

TEST_F(Site, AFormAnnouncesItsBackColorToEveryControlOnIt) {
    HeadlessSite other(form, "cmdCeShi", 10, 60, 139, 23);
    RecordingControl otherControl;
    other.Attach(&otherControl);
    form.SetBackColor(0x123456);
    EXPECT_EQ(control.log, std::vector<std::string>{"AmbientChanged BackColor"});
    EXPECT_EQ(otherControl.log, std::vector<std::string>{"AmbientChanged BackColor"});
    other.Terminate();
}

TEST_F(Site, AControlMayRemoveAnotherSiteWhileAmbientChangesGoOut) {
    auto other = std::make_unique<HeadlessSite>(form, "cmdCeShi", 10, 60, 139, 23);
    RecordingControl otherControl;
    other->Attach(&otherControl);
    control.onAmbientChanged = [&other](std::string_view) { other.reset(); };
    form.SetBackColor(0x123456);
    EXPECT_EQ(other, nullptr);
    EXPECT_TRUE(otherControl.log.empty());
}

TEST_F(Site, PropertyChangesAndMessageBoxesAreRecordedInOrder) {
    site.PropertyChanged("Caption");
    site.PropertyChanged("CapAlign");
    site.PropertyChanged("Caption");
    form.SetTitle("DunmoraDesk 1.0.5");
    site.InformationMessage("This property is not applicable for command button modes.");
    EXPECT_EQ(site.PropertyChanges(), (std::vector<std::string>{"Caption", "CapAlign", "Caption"}));
    ASSERT_EQ(site.MessageBoxes().size(), 1u);
    EXPECT_EQ(site.MessageBoxes()[0].text, "This property is not applicable for command button modes.");
    EXPECT_EQ(site.MessageBoxes()[0].title, "DunmoraDesk 1.0.5");
    site.ClearPropertyChanges();
    EXPECT_TRUE(site.PropertyChanges().empty());
}

TEST_F(Site, KeptValuesRefuseWhatTheContainerCannotHold) {
    EXPECT_EQ(site.ForeColor(), static_cast<container::OleColor>(0x80000012));
    EXPECT_TRUE(site.SetForeColor(0x00FF8000));
    EXPECT_TRUE(site.SetForeColor(static_cast<container::OleColor>(0x80000008)));
    EXPECT_FALSE(site.SetForeColor(0x01000000));
    EXPECT_FALSE(site.SetForeColor(static_cast<container::OleColor>(0x80010000)));
    EXPECT_EQ(site.ForeColor(), static_cast<container::OleColor>(0x80000008));

    EXPECT_TRUE(site.SetMousePointer(15));
    EXPECT_TRUE(site.SetMousePointer(container::kMousePointerCustom));
    EXPECT_FALSE(site.SetMousePointer(16));
    EXPECT_FALSE(site.SetMousePointer(-1));
    EXPECT_EQ(site.MousePointer(), 99);

    const picture::PicturePtr icon = MakePicture(picture::PictureType::Icon);
    EXPECT_TRUE(site.SetMouseIcon(icon));
    EXPECT_FALSE(site.SetMouseIcon(MakePicture(picture::PictureType::Bitmap)));
    EXPECT_EQ(site.MouseIcon(), icon);
    EXPECT_TRUE(site.SetMouseIcon(nullptr));
    EXPECT_EQ(site.MouseIcon(), nullptr);

    EXPECT_TRUE(site.SetTag(std::to_string(site.ContainerHWnd())));
    EXPECT_EQ(site.Tag(), std::to_string(form.HWnd()));
    EXPECT_TRUE(site.SetAccessKeys("O"));
    EXPECT_EQ(site.AccessKeys(), "O");
    EXPECT_TRUE(site.SetEnabled(false));
    EXPECT_FALSE(site.Enabled());
}

TEST_F(Site, TheKeptFontIsTheSitesOwnCopy) {
    form.Font()->SetName("SimSun");
    EXPECT_EQ(site.Font()->Name(), "宋体"); // taken from the form when the site was made

    auto given = std::make_shared<container::Font>("宋体", 12);
    ASSERT_TRUE(site.SetFont(given));
    given->SetBold(true);
    EXPECT_FALSE(site.Font()->Bold());
    EXPECT_EQ(site.Font()->Size(), 12);

    // Changing the kept font (the control's FontStyle) changes the site's font only.
    site.Font()->SetItalic(true);
    EXPECT_TRUE(site.Font()->Italic());
    EXPECT_FALSE(given->Italic());
    EXPECT_FALSE(site.ParentFont()->Italic());
    EXPECT_FALSE(site.SetFont(nullptr));
}

TEST_F(Site, SizeAndWidthAreInTwipsAndResizeTheControl) {
    EXPECT_FLOAT_EQ(site.Width(), 139.0f * 15);
    ASSERT_TRUE(site.SetWidth(40 * 15));
    EXPECT_FLOAT_EQ(site.ScaleWidth(), 40.0f);
    EXPECT_FLOAT_EQ(site.ScaleHeight(), 23.0f);
    ASSERT_TRUE(site.Size(48 * 15, 48 * 15));
    EXPECT_FLOAT_EQ(site.ScaleHeight(), 48.0f);
    ASSERT_TRUE(site.Size(48 * 15, 48 * 15)); // same size: no Resize
    EXPECT_FALSE(site.Size(-15, 15));
    EXPECT_EQ(control.log, (std::vector<std::string>{"Resize", "Resize"}));

    user::RECT rect{};
    user::GetWindowRect(site.HWnd(), &rect);
    EXPECT_EQ(rect.left, 110); // resizing keeps the position
    EXPECT_EQ(rect.top, 70);
}

TEST_F(Site, ScaleXConvertsBetweenUnits) {
    EXPECT_FLOAT_EQ(site.ScaleX(40, container::ScaleUnit::Pixels, container::ScaleUnit::ContainerSize),
                    600.0f);
    EXPECT_FLOAT_EQ(site.ScaleX(600, container::ScaleUnit::Twips, container::ScaleUnit::Pixels), 40.0f);
    EXPECT_FLOAT_EQ(site.ScaleX(9, container::ScaleUnit::Points, container::ScaleUnit::Twips), 180.0f);
}

TEST_F(Site, AnyResizeOfTheWindowReachesTheControl) {
    user::MoveWindow(site.HWnd(), 10, 20, 60, 23, 1);
    user::MoveWindow(site.HWnd(), 11, 21, 60, 23, 1); // a move alone is no resize
    site.ResizeTo(60, 30);
    EXPECT_EQ(control.log, (std::vector<std::string>{"Resize", "Resize"}));
}

TEST_F(Site, MouseNoticesMoveTheVirtualCursorOntoTheControl) {
    site.MouseMove(0, 0, 5, 6);
    site.MouseDown(1, 2, 5, 6);
    user::POINT cursor{};
    user::GetCursorPos(&cursor);
    EXPECT_EQ(cursor.x, 115);
    EXPECT_EQ(cursor.y, 76);
    EXPECT_EQ(control.underCursor, site.HWnd());
    EXPECT_EQ(control.log, (std::vector<std::string>{"MouseMove 0 0 5 6", "MouseDown 1 2 5 6"}));

    site.MouseMove(1, 0, 200, 6); // dragged off the button, onto the form
    EXPECT_EQ(control.underCursor, form.HWnd());
}

TEST_F(Site, ClicksArriveInTheContainersOrder) {
    site.DoubleClickAt(3, 4);
    EXPECT_EQ(control.log, (std::vector<std::string>{"MouseDown 1 0 3 4", "MouseUp 1 0 3 4", "Click",
                                                     "DblClick", "MouseUp 1 0 3 4"}));
}

TEST_F(Site, KeyNoticesHandBackTheKeyCodeAsTheControlLeftIt) {
    EXPECT_EQ(site.KeyDown(32, 0), 32);
    EXPECT_EQ(site.KeyDown(39, 0), 0);
}

TEST_F(Site, PersistenceNoticesCarryTheBag) {
    container::PropertyBag stored;
    stored.WriteProperty("caption", std::string("&Sync"));
    site.ReadProperties(stored);
    const container::PropertyBag written = site.WriteProperties();
    EXPECT_EQ(container::ToString(written.ReadProperty("Caption")), "OK");
    EXPECT_EQ(control.log, (std::vector<std::string>{"ReadProperties &Sync", "WriteProperties"}));
}

TEST_F(Site, PaintAndRefreshValidateTheWindow) {
    EXPECT_TRUE(system.IsInvalidated(site.HWnd()));
    site.Paint();
    EXPECT_FALSE(system.IsInvalidated(site.HWnd()));
    user::MoveWindow(site.HWnd(), 11, 21, 139, 23, 1);
    EXPECT_TRUE(system.IsInvalidated(site.HWnd()));
    site.Refresh();
    EXPECT_FALSE(system.IsInvalidated(site.HWnd()));
    EXPECT_EQ(site.RefreshCount(), 1);
}

TEST_F(Site, NothingReachesAControlAfterItsTerminate) {
    site.Terminate();
    site.Click();
    site.Paint();
    form.SetBackColor(0);
    site.ResizeTo(10, 10);
    EXPECT_EQ(control.log, std::vector<std::string>{"Terminate"});
    EXPECT_EQ(site.Control(), nullptr);
}

TEST(SiteLifetime, ASiteReleasesItsWindowAndDc) {
    HeadlessWindowSystem system;
    user::ScopedBackend install(&system);
    HeadlessForm form(system);
    const gdi::DWORD before = gdi::GetGuiResources(gdi::GetCurrentProcess(), gdi::GR_GDIOBJECTS);
    user::HWND hwnd = 0;
    {
        HeadlessSite site(form, "cmdShow", 0, 0, 50, 20);
        hwnd = site.HWnd();
        EXPECT_TRUE(user::IsWindow(hwnd));
    }
    EXPECT_FALSE(user::IsWindow(hwnd));
    EXPECT_EQ(gdi::GetGuiResources(gdi::GetCurrentProcess(), gdi::GR_GDIOBJECTS), before);
}

} // namespace
