#include "platform/qt/QtControlSite.h"
#include "platform/qt/InputCodes.h"
#include "platform/qt/MousePointers.h"
#include "platform/qt/tests/QtTestSupport.h"

#include <QTest>

#include <algorithm>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

namespace qtplatform::testing {
namespace {

// Writes every notice it receives as one line.
class NoticeRecorder final : public container::ControlNotices {
  public:
    explicit NoticeRecorder(QtControlSite& site) : site_(site) {}
    std::vector<std::string> notices;
    std::vector<int> surfaceWidthsAtResize;
    int paints = 0;

    void Resize() override {
        notices.push_back("Resize");
        surfaceWidthsAtResize.push_back(site_.Form()->System().Surface(site_.HWnd())->Width());
    }
    void Paint() override { ++paints; }
    void MouseDown(std::int16_t b, std::int16_t s, float x, float y) override {
        Mouse("MouseDown", b, s, x, y);
    }
    void MouseUp(std::int16_t b, std::int16_t s, float x, float y) override { Mouse("MouseUp", b, s, x, y); }
    void MouseMove(std::int16_t b, std::int16_t s, float x, float y) override {
        Mouse("MouseMove", b, s, x, y);
    }
    void Click() override { notices.push_back("Click"); }
    void DblClick() override { notices.push_back("DblClick"); }
    void KeyDown(std::int16_t& code, std::int16_t shift) override { Key("KeyDown", code, shift); }
    void KeyUp(std::int16_t& code, std::int16_t shift) override { Key("KeyUp", code, shift); }
    void KeyPress(std::int16_t& ascii) override { notices.push_back("KeyPress " + std::to_string(ascii)); }
    void AccessKeyPress(std::int16_t ascii) override {
        notices.push_back("AccessKey " + std::to_string(ascii));
    }
    void GotFocus() override { notices.push_back("GotFocus"); }
    void AmbientChanged(std::string_view name) override { notices.push_back("Ambient " + std::string(name)); }

  private:
    void Mouse(const char* name, std::int16_t button, std::int16_t shift, float x, float y) {
        std::ostringstream line;
        line << name << ' ' << button << ' ' << shift << ' ' << x << ',' << y;
        notices.push_back(line.str());
    }
    void Key(const char* name, std::int16_t code, std::int16_t shift) {
        notices.push_back(std::string(name) + ' ' + std::to_string(code) + ' ' + std::to_string(shift));
    }
    QtControlSite& site_;
};

class ControlSite : public QtWindowTest {
  protected:
    void SetUp() override {
        QtWindowTest::SetUp();
        site_ = new QtControlSite(QtForm::Of(system_, form_.get()), "ztButtons_H1");
        site_->setGeometry(20, 30, 100, 24);
        site_->show();
        recorder_ = std::make_unique<NoticeRecorder>(*site_);
        site_->Attach(recorder_.get());
    }
    void TearDown() override {
        if (site_ != nullptr)
            site_->Detach();
        QtWindowTest::TearDown();
    }

    QtControlSite* site_ = nullptr; // owned by the form
    std::unique_ptr<NoticeRecorder> recorder_;
};

using Notices = std::vector<std::string>;

// Qt's keys as Windows virtual-key codes, and back: every key with a name,
// digits and letters, and the ends of the function keys.
TEST(InputCodes, QtKeysAndVirtualKeyCodes) {
    const std::pair<int, int> keys[] = {
        {Qt::Key_Backspace, 0x08}, {Qt::Key_Tab, 0x09},   {Qt::Key_Return, 0x0D}, {Qt::Key_Shift, 0x10},
        {Qt::Key_Control, 0x11},   {Qt::Key_Alt, 0x12},   {Qt::Key_Pause, 0x13},  {Qt::Key_CapsLock, 0x14},
        {Qt::Key_Escape, 0x1B},    {Qt::Key_Space, 0x20}, {Qt::Key_PageUp, 0x21}, {Qt::Key_PageDown, 0x22},
        {Qt::Key_End, 0x23},       {Qt::Key_Home, 0x24},  {Qt::Key_Left, 0x25},   {Qt::Key_Up, 0x26},
        {Qt::Key_Right, 0x27},     {Qt::Key_Down, 0x28},  {Qt::Key_Insert, 0x2D}, {Qt::Key_Delete, 0x2E},
        {Qt::Key_0, 0x30},         {Qt::Key_9, 0x39},     {Qt::Key_A, 0x41},      {Qt::Key_Z, 0x5A},
        {Qt::Key_F1, 0x70},        {Qt::Key_F12, 0x7B},
    };
    for (const auto& [qtKey, virtualKey] : keys) {
        EXPECT_EQ(VirtualKeyFromQtKey(qtKey), virtualKey) << qtKey;
        EXPECT_EQ(QtKeyFromVirtualKey(virtualKey), qtKey) << virtualKey;
    }
    // Two Qt keys share a code; the code goes back to the first of them.
    EXPECT_EQ(VirtualKeyFromQtKey(Qt::Key_Backtab), 0x09);
    EXPECT_EQ(VirtualKeyFromQtKey(Qt::Key_Enter), 0x0D);
    EXPECT_EQ(VirtualKeyFromQtKey(Qt::Key_F13), 0);
    EXPECT_EQ(QtKeyFromVirtualKey(0x7C), Qt::Key_unknown);
}

TEST(InputCodes, ButtonsAndShiftStatesAreBitsOneTwoAndFour) {
    EXPECT_EQ(MouseButtonCode(Qt::LeftButton), 1);
    EXPECT_EQ(MouseButtonCode(Qt::RightButton), 2);
    EXPECT_EQ(MouseButtonCode(Qt::MiddleButton), 4);
    EXPECT_EQ(MouseButtonCode(Qt::BackButton), 0);
    EXPECT_EQ(MouseButtonMask(Qt::LeftButton | Qt::MiddleButton), 5);
    EXPECT_EQ(ShiftState(Qt::ShiftModifier), 1);
    EXPECT_EQ(ShiftState(Qt::ControlModifier), 2);
    EXPECT_EQ(ShiftState(Qt::AltModifier), 4);
    EXPECT_EQ(ShiftState(Qt::ShiftModifier | Qt::AltModifier), 5);
}

// The form run-time's mouse pointers 1 to 15; 0 and values without a pointer
// leave the widget's own cursor.
TEST(MousePointers, EachPointerNumberIsItsCursor) {
    const Qt::CursorShape shapes[] = {Qt::ArrowCursor,   Qt::CrossCursor,     Qt::IBeamCursor,
                                      Qt::ArrowCursor,   Qt::SizeAllCursor,   Qt::SizeBDiagCursor,
                                      Qt::SizeVerCursor, Qt::SizeFDiagCursor, Qt::SizeHorCursor,
                                      Qt::UpArrowCursor, Qt::WaitCursor,      Qt::ForbiddenCursor,
                                      Qt::BusyCursor,    Qt::WhatsThisCursor, Qt::SizeAllCursor};
    for (std::int16_t pointer = 1; pointer <= 15; ++pointer) {
        const auto cursor = CursorForPointer(pointer, nullptr);
        ASSERT_TRUE(cursor.has_value()) << pointer;
        EXPECT_EQ(cursor->shape(), shapes[pointer - 1]) << pointer;
    }
    for (std::int16_t none : {0, 16, 99, -1})
        EXPECT_FALSE(CursorForPointer(none, nullptr).has_value()) << none;
}

TEST_F(ControlSite, AClickIsPressReleaseAndClickInWindowsTerms) {
    QTest::mouseClick(site_, Qt::LeftButton, Qt::ShiftModifier, QPoint(10, 5));
    EXPECT_EQ(recorder_->notices, (Notices{"MouseDown 1 1 10,5", "MouseUp 1 1 10,5", "Click"}));
    recorder_->notices.clear();
    QTest::mouseClick(site_, Qt::RightButton, Qt::ControlModifier | Qt::AltModifier, QPoint(3, 4));
    // The container reports the click of any button; the control decides.
    EXPECT_EQ(recorder_->notices, (Notices{"MouseDown 2 6 3,4", "MouseUp 2 6 3,4", "Click"}));
}

TEST_F(ControlSite, AReleaseOutsideTheControlOrItsRegionIsNoClick) {
    QTest::mousePress(site_, Qt::LeftButton, Qt::NoModifier, QPoint(10, 5));
    QTest::mouseRelease(site_, Qt::LeftButton, Qt::NoModifier, QPoint(150, 5));
    EXPECT_EQ(recorder_->notices, (Notices{"MouseDown 1 0 10,5", "MouseUp 1 0 150,5"}));

    recorder_->notices.clear();
    user::SetWindowRgn(site_->HWnd(), gdi::CreateEllipticRgn(0, 0, 100, 24), 0);
    QTest::mouseClick(site_, Qt::LeftButton, Qt::NoModifier, QPoint(1, 1)); // a cut-away corner
    EXPECT_EQ(recorder_->notices, (Notices{"MouseDown 1 0 1,1", "MouseUp 1 0 1,1"}));
}

TEST_F(ControlSite, ADoubleClickSendsDblClickForTheSecondPressAndNoSecondClick) {
    // What Qt delivers for a double click: press, release, the double click
    // in place of the second press, release.
    const QPoint at(8, 8);
    QTest::mouseClick(site_, Qt::LeftButton, Qt::NoModifier, at);
    QMouseEvent doubleClick(QEvent::MouseButtonDblClick, at, site_->mapToGlobal(at), Qt::LeftButton,
                            Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(site_, &doubleClick);
    QTest::mouseRelease(site_, Qt::LeftButton, Qt::NoModifier, at);
    EXPECT_EQ(recorder_->notices,
              (Notices{"MouseDown 1 0 8,8", "MouseUp 1 0 8,8", "Click", "DblClick", "MouseUp 1 0 8,8"}));
    // The next click is an ordinary one again.
    recorder_->notices.clear();
    QTest::mouseClick(site_, Qt::LeftButton, Qt::NoModifier, at);
    EXPECT_EQ(recorder_->notices.back(), "Click");
}

TEST_F(ControlSite, MovesReportTheButtonsHeld) {
    QMouseEvent move(QEvent::MouseMove, QPointF(4, 6), site_->mapToGlobal(QPointF(4, 6)), Qt::NoButton,
                     Qt::LeftButton | Qt::MiddleButton, Qt::NoModifier);
    QApplication::sendEvent(site_, &move);
    EXPECT_EQ(recorder_->notices, (Notices{"MouseMove 5 0 4,6"}));
}

TEST_F(ControlSite, KeysGoOutAsKeyDownKeyPressAndKeyUp) {
    QTest::keyClick(site_, Qt::Key_Space);
    QTest::keyClick(site_, 'A', Qt::ShiftModifier);
    QTest::keyClick(site_, Qt::Key_Right);
    EXPECT_EQ(recorder_->notices,
              (Notices{"KeyDown 32 0", "KeyPress 32", "KeyUp 32 0", "KeyDown 16 1", "KeyDown 65 1",
                       "KeyPress 65", "KeyUp 65 1", "KeyUp 16 0", "KeyDown 39 0", "KeyUp 39 0"}));
}

TEST_F(ControlSite, AutoRepeatRepeatsKeyDownButNotKeyUp) {
    QKeyEvent repeatedRelease(QEvent::KeyRelease, Qt::Key_Space, Qt::NoModifier, QString(" "), true);
    QApplication::sendEvent(site_, &repeatedRelease);
    EXPECT_TRUE(recorder_->notices.empty());
}

TEST_F(ControlSite, TheSurfaceHasTheNewSizeWhenTheControlHearsOfIt) {
    site_->resize(140, 30);
    EXPECT_EQ(recorder_->notices, (Notices{"Resize"}));
    EXPECT_EQ(recorder_->surfaceWidthsAtResize, std::vector<int>{140});

    recorder_->notices.clear();
    ASSERT_TRUE(site_->Size(90 * 15, 21 * 15)); // twips
    EXPECT_EQ(site_->size(), QSize(90, 21));
    EXPECT_FLOAT_EQ(site_->Width(), 1350.0f);
    EXPECT_FLOAT_EQ(site_->ScaleX(6.0f, container::ScaleUnit::Pixels, container::ScaleUnit::Twips), 90.0f);
    EXPECT_FALSE(site_->Size(-1.0f, 10.0f));
}

TEST_F(ControlSite, AnExposedWindowAsksTheControlToPaintARefreshDoesNot) {
    DeliverPostedEvents();
    const int paintsBefore = recorder_->paints;
    site_->Refresh();
    DeliverPostedEvents();
    EXPECT_EQ(recorder_->paints, paintsBefore); // the surface was current: only shown
    site_->repaint();
    EXPECT_EQ(recorder_->paints, paintsBefore + 1);
}

TEST_F(ControlSite, AmbientChangesReachEverySiteOfTheForm) {
    QtForm& form = QtForm::Of(system_, form_.get());
    EXPECT_EQ(site_->Form(), &form); // one form per widget
    form.SetBackColor(0x123456);
    site_->SetDisplayAsDefault(true);
    EXPECT_EQ(recorder_->notices, (Notices{"Ambient BackColor", "Ambient DisplayAsDefault"}));
    EXPECT_EQ(site_->AmbientBackColor(), 0x123456);
    EXPECT_TRUE(site_->AmbientDisplayAsDefault());
    EXPECT_EQ(site_->ContainerHWnd(), formHwnd_);
}

TEST_F(ControlSite, KeptValuesRefuseWhatTheFormRunTimeRefuses) {
    EXPECT_FALSE(site_->SetForeColor(0x01000000));
    EXPECT_TRUE(site_->SetForeColor(0x80000012));
    EXPECT_FALSE(site_->SetMousePointer(16));
    EXPECT_TRUE(site_->SetMousePointer(2));
    EXPECT_EQ(site_->cursor().shape(), Qt::CrossCursor);
    EXPECT_TRUE(site_->SetMousePointer(0));
    EXPECT_FALSE(site_->testAttribute(Qt::WA_SetCursor));
    EXPECT_FALSE(site_->SetFont(nullptr));
    form_->setEnabled(false); // the form's state is not the control's own
    EXPECT_TRUE(site_->Enabled());
    form_->setEnabled(true);
    EXPECT_TRUE(site_->SetEnabled(false));
    EXPECT_FALSE(site_->Enabled());
    EXPECT_FALSE(site_->isEnabled()); // a disabled window takes no input
    QTest::mouseClick(site_, Qt::LeftButton, Qt::NoModifier, QPoint(10, 5));
    EXPECT_TRUE(recorder_->notices.empty());
}

TEST_F(ControlSite, AccessKeysPressTheControlWithAlt) {
    ASSERT_TRUE(site_->SetAccessKeys("s"));
    form_->activateWindow();
    QApplication::setActiveWindow(form_.get());
    recorder_->notices.clear(); // the focus that came with the activation
    QTest::keyClick(form_.get(), Qt::Key_S, Qt::AltModifier);
    EXPECT_EQ(recorder_->notices, (Notices{"AccessKey 115"}));

    // A site that is gone leaves no Alt key behind in its form.
    delete site_;
    site_ = nullptr;
    QTest::keyClick(form_.get(), Qt::Key_S, Qt::AltModifier);
    EXPECT_EQ(recorder_->notices.size(), 1u);
}

} // namespace
} // namespace qtplatform::testing
