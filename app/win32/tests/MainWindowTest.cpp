// The main window's real Win32 controls under Wine: where they sit at 96 and
// 144 dots per inch, the result list's font and colours, the tab order and
// the window growing to show a focused control.
#include "app/win32/Win32MainWindow.h"

#include "app/tests/AppTestSupport.h"
#include "app/win32/DpiScaling.h"
#include "app/win32/Win32CommandButton.h"

#include <oleacc.h>

#include <gtest/gtest.h>

#include <ostream>

#include <string>
#include <utility>
#include <vector>

namespace app {
void PrintTo(const ControlBox& box, std::ostream* out) {
    *out << "{" << box.left << ", " << box.top << ", " << box.width << ", " << box.height << "}";
}
} // namespace app

namespace {

using namespace app::win32host;
using app::ControlBox;

// COM for the test's thread, as WinMain has it, before the window is made.
struct ComApartment {
    ComApartment() { CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED); }
    ~ComApartment() { CoUninitialize(); }
};

struct MainWindowTest : ::testing::Test {
    ComApartment com;
    win32platform::Win32WindowSystem system;
    user::ScopedBackend backend{&system};
    app::testing::FakeWallClock clock;
    Win32MainWindow window{system, [this] {
                               app::AppEnvironment environment;
                               environment.clock = &clock;
                               environment.programName = "DunmoraDesk";
                               return environment;
                           }()};

    // Moves the window to a screen of that density, as Windows does: the
    // suggested rectangle holds the stored client area at the new density.
    // (Wine keeps the frame of its system density, so the frame is the one
    // the window has.)
    void MoveToDpi(int dpi) {
        RECT frame{};
        GetWindowRect(window.Window(), &frame);
        frame.right = frame.left + ScaledToDpi(app::kStoredClientWidth, dpi) + (frame.right - frame.left) -
                      Client().right;
        frame.bottom = frame.top + ScaledToDpi(app::kStoredClientHeight, dpi) + (frame.bottom - frame.top) -
                       Client().bottom;
        SendMessageW(window.Window(), WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&frame));
    }
    RECT Client() const {
        RECT client{};
        GetClientRect(window.Window(), &client);
        return client;
    }
    // The control's window in the form's client coordinates.
    ControlBox PlaceOf(::HWND control) const {
        RECT rect{};
        GetWindowRect(control, &rect);
        MapWindowPoints(nullptr, window.Window(), reinterpret_cast<POINT*>(&rect), 2);
        return {rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top};
    }
    void PressTab() {
        const ::HWND focused = GetFocus();
        PostMessageW(focused, WM_KEYDOWN, VK_TAB, 0x000F0001);
        PostMessageW(focused, WM_KEYUP, VK_TAB, static_cast<LPARAM>(0xC00F0001u));
        window.Pump().ProcessPendingEvents();
    }
};

// ---- Layout: every control where the layout puts it, scaled to the density ----

struct DensityRow {
    int dpi;
    int clientWidth; // the stored 279 x 135 at that density
    int clientHeight;
    ControlBox list; // one box spelled out, the rest compared with the layout
};

class MainWindowLayout : public MainWindowTest, public ::testing::WithParamInterface<DensityRow> {};

TEST_P(MainWindowLayout, ControlsSitWhereTheLayoutSaysAtTheDensity) {
    const DensityRow row = GetParam();
    if (row.dpi != window.Dpi())
        MoveToDpi(row.dpi);
    ASSERT_EQ(window.Dpi(), row.dpi);
    EXPECT_EQ(Client().right, row.clientWidth);
    EXPECT_EQ(Client().bottom, row.clientHeight);

    const app::WindowLayout layout = ScaledLayout(row.clientWidth, row.dpi);
    const ControlWindows controls = window.Controls();
    EXPECT_EQ(PlaceOf(controls.lstResult), row.list);
    const std::vector<std::pair<const char*, std::pair<::HWND, ControlBox>>> places{
        {"lstResult", {controls.lstResult, layout.lstResult}},
        {"cmdHomePage", {controls.cmdHomePage, layout.cmdHomePage}},
        {"shpDateTime", {controls.shpDateTime, layout.shpDateTime}},
        {"cmdDateTime", {controls.cmdDateTime, layout.cmdDateTime}},
        {"txtCeShi", {controls.txtCeShi, layout.txtCeShi}},
        {"cmdCeShi", {controls.cmdCeShi, layout.cmdCeShi}},
        {"chkCeshi", {controls.chkCeshi, layout.chkCeshi}},
        {"txtYouXiao", {controls.txtYouXiao, layout.txtYouXiao}},
    };
    for (const auto& [name, place] : places)
        EXPECT_EQ(PlaceOf(place.first), place.second) << name;
}

INSTANTIATE_TEST_SUITE_P(Densities, MainWindowLayout,
                         ::testing::Values(DensityRow{96, 279, 135, {2, 4, 275, 103}},
                                           DensityRow{144, 419, 203, {3, 6, 413, 155}}));

// ---- The result list's font and colours ----

struct FontRow {
    int dpi;
    LONG height; // 10.5 pt at the density, as a character height
};

class ResultListFont : public MainWindowTest, public ::testing::WithParamInterface<FontRow> {};

TEST_P(ResultListFont, IsSong10AndAHalfPointGb2312) {
    if (GetParam().dpi != window.Dpi())
        MoveToDpi(GetParam().dpi);
    const auto font = reinterpret_cast<HFONT>(SendMessageW(window.Controls().lstResult, WM_GETFONT, 0, 0));
    LOGFONTW description{};
    ASSERT_EQ(GetObjectW(font, sizeof(description), &description), static_cast<int>(sizeof(description)));
    EXPECT_EQ(std::wstring(description.lfFaceName), L"宋体");
    EXPECT_EQ(description.lfCharSet, GB2312_CHARSET);
    EXPECT_EQ(description.lfHeight, GetParam().height);
    EXPECT_EQ(description.lfWeight, FW_NORMAL);
}

INSTANTIATE_TEST_SUITE_P(Densities, ResultListFont, ::testing::Values(FontRow{96, -14}, FontRow{144, -21}));

TEST_F(MainWindowTest, ResultListIsWhiteOnDarkGrey) {
    const ::HDC dc = CreateCompatibleDC(nullptr);
    const auto brush = reinterpret_cast<HBRUSH>(SendMessageW(window.Window(), WM_CTLCOLORLISTBOX,
                                                             reinterpret_cast<WPARAM>(dc),
                                                             reinterpret_cast<LPARAM>(window.Controls().lstResult)));
    LOGBRUSH background{};
    ASSERT_NE(GetObjectW(brush, sizeof(background), &background), 0);
    EXPECT_EQ(background.lbColor, RGB(64, 64, 64));
    EXPECT_EQ(GetBkColor(dc), RGB(64, 64, 64));
    EXPECT_EQ(GetTextColor(dc), RGB(255, 255, 255));
    DeleteDC(dc);
}

// ---- Keyboard: the tab order, and the window grows to show the focus ----

TEST_F(MainWindowTest, TabWalksTheControlsInTheStoredOrderAndTheWindowGrowsToShowThem) {
    window.Show();
    const ControlWindows controls = window.Controls();
    ASSERT_EQ(GetFocus(), controls.cmdDateTime);
    struct Step {
        const char* name;
        ::HWND control;
        int clientHeight; // at 96 dpi: the control and the margin below it shown
    };
    const std::vector<Step> steps{
        {"lstResult", controls.lstResult, 135},   {"txtCeShi", controls.txtCeShi, 291},
        {"txtYouXiao", controls.txtYouXiao, 407}, {"cmdCeShi", controls.cmdCeShi, 407},
        {"chkCeshi", controls.chkCeshi, 407},     {"cmdHomePage", controls.cmdHomePage, 407},
        {"cmdDateTime", controls.cmdDateTime, 407},
    };
    for (const Step& step : steps) {
        PressTab();
        EXPECT_EQ(GetFocus(), step.control) << step.name;
        EXPECT_EQ(Client().bottom, step.clientHeight) << step.name;
    }
}

// Asks the accessibility layer for a window's client object's name and role.
std::pair<std::wstring, long> Announced(::HWND control) {
    IAccessible* object = nullptr;
    if (AccessibleObjectFromWindow(control, static_cast<DWORD>(OBJID_CLIENT), IID_IAccessible,
                                   reinterpret_cast<void**>(&object)) != S_OK)
        return {L"(no object)", -1};
    VARIANT self{};
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    BSTR name = nullptr;
    object->get_accName(self, &name);
    std::wstring text = name != nullptr ? name : L"";
    SysFreeString(name);
    VARIANT role{};
    object->get_accRole(self, &role);
    object->Release();
    return {text, role.vt == VT_I4 ? role.lVal : -1};
}

// What a screen reader hears: the controls without text of their own are
// named, the drawn buttons are push buttons named by their captions.
TEST_F(MainWindowTest, ScreenReadersHearTheControlsNamesAndKinds) {
    const ControlWindows controls = window.Controls();
    struct Row {
        ::HWND control;
        const wchar_t* name;
        long role;
    };
    const Row rows[] = {
        {controls.lstResult, L"结果列表", ROLE_SYSTEM_LIST},
        {controls.txtCeShi, L"要测试的服务器地址", ROLE_SYSTEM_TEXT},
        {controls.txtYouXiao, L"有效的服务器地址", ROLE_SYSTEM_TEXT},
        {controls.cmdDateTime, L"获取标准时间", ROLE_SYSTEM_PUSHBUTTON},
        {controls.cmdCeShi, L"测试上面的地址，有效的放下面", ROLE_SYSTEM_PUSHBUTTON},
    };
    for (const Row& row : rows)
        EXPECT_EQ(Announced(row.control), std::make_pair(std::wstring(row.name), row.role)) << win32platform::Utf8(row.name);
}

// The drawn buttons' windows carry their captions as text, the name readers
// fall back on where no annotation is read: without the access key's marker,
// and following a change of caption.
TEST_F(MainWindowTest, DrawnButtonsWindowsCarryTheirCaptions) {
    container::PropertyBag stored;
    stored.WriteProperty("Caption", std::string("&Sync now"));
    Win32CommandButton button(window.FormWindow(), "cmdTry", ControlBox{0, 0, 80, 24}, stored);
    EXPECT_EQ(Announced(win32platform::ToNative(button.Window())).first, L"Sync now");
    button.SetCaption("测试||地址");
    EXPECT_EQ(Announced(win32platform::ToNative(button.Window())).first, L"测试\n地址");
}

} // namespace
