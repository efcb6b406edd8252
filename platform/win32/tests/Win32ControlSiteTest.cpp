// The site's messages as the real control's events, on real windows under
// Wine: each message is sent to the site's window as user32 would deliver it.
#include "control/input/ButtonEvents.h"
#include "control/model/ztButtons_H.h"
#include "platform/win32/tests/Win32Stage.h"

#include "platform/win32/Native.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

using win32platform::ToNative;

class EventLog final : public ButtonEvents {
  public:
    std::vector<std::string> entries;
    std::function<void()> onClick;

    void Click() override {
        entries.push_back("Click");
        if (onClick)
            onClick();
    }
    void DoubleClick(std::int16_t button) override { entries.push_back("DoubleClick(" + std::to_string(button) + ")"); }
    void MouseOnButton(bool on) override { entries.push_back(on ? "MouseOnButton(true)" : "MouseOnButton(false)"); }
    int Count(const std::string& entry) const {
        return static_cast<int>(std::count(entries.begin(), entries.end(), entry));
    }
};

struct PlacedButton {
    // The control reads its size, surface and ambient values through the site
    // it is made with, so the site comes first.
    PlacedButton(win32platform::Win32Form& form, const char* name, int x, int y)
        : site(std::make_unique<win32platform::Win32ControlSite>(form, name, x, y, 80, 40)),
          button(site.get()) {
        site->Attach(&button);
        site->InitProperties();
        button.SetEventSink(&events);
        // The window had its size before the control came, so no WM_SIZE told it.
        button.Resize();
        site->Show();
    }
    ~PlacedButton() {
        if (site)
            site->Terminate();
    }
    LRESULT Send(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const {
        return SendMessageW(ToNative(site->HWnd()), message, wParam, lParam);
    }
    EventLog events;
    std::unique_ptr<win32platform::Win32ControlSite> site;
    ztButtons_H button;
};

struct ControlSiteTest : ::testing::Test {
    win32_testing::Win32Stage stage;
    PlacedButton first{stage.form, "ztButtons_H1", 10, 10};
    ::HWND window = ToNative(first.site->HWnd());
};

// ---- Mouse: one row per sequence, client coordinates of an 80 x 40 button ----

struct MouseStep {
    UINT message;
    int x;
    int y;
};
struct ClickRow {
    const char* name;
    long shape;
    std::vector<MouseStep> steps;
    int clicks;
    int doubleClicks;
};

TEST_F(ControlSiteTest, MouseMessagesRaiseClickOnceWhenReleasedOverTheButton) {
    const std::vector<ClickRow> rows = {
        {"press and release inside", 0, {{WM_LBUTTONDOWN, 10, 10}, {WM_LBUTTONUP, 10, 10}}, 1, 0},
        {"release outside", 0, {{WM_LBUTTONDOWN, 10, 10}, {WM_LBUTTONUP, 200, 10}}, 0, 0},
        {"out and back in while held",
         0,
         {{WM_LBUTTONDOWN, 10, 10}, {WM_MOUSEMOVE, 200, 10}, {WM_MOUSEMOVE, 12, 10}, {WM_LBUTTONUP, 12, 10}},
         1,
         0},
        {"double click", 0,
         {{WM_LBUTTONDOWN, 10, 10}, {WM_LBUTTONUP, 10, 10}, {WM_LBUTTONDBLCLK, 10, 10}, {WM_LBUTTONUP, 10, 10}},
         1, 1},
        {"release in the cut-off corner of an ellipse", 4, {{WM_LBUTTONDOWN, 40, 20}, {WM_LBUTTONUP, 1, 1}}, 0, 0},
    };
    for (const ClickRow& row : rows) {
        SCOPED_TRACE(row.name);
        first.button.SetButtonShape(row.shape);
        first.events.entries.clear();
        for (const MouseStep& step : row.steps) {
            const WPARAM held = step.message == WM_LBUTTONUP ? 0 : MK_LBUTTON;
            first.Send(step.message, held, MAKELPARAM(step.x, step.y));
            if (step.message == WM_LBUTTONDOWN || step.message == WM_LBUTTONDBLCLK) {
                EXPECT_EQ(GetCapture(), window); // the release comes here, wherever it happens
            }
        }
        EXPECT_EQ(first.events.Count("Click"), row.clicks);
        EXPECT_EQ(first.events.Count("DoubleClick(1)"), row.doubleClicks);
        EXPECT_EQ(GetCapture(), nullptr);
    }
}

TEST_F(ControlSiteTest, EllipseShapeBecomesTheWindowRegion) {
    first.button.SetButtonShape(4);
    const ::HRGN region = CreateRectRgn(0, 0, 0, 0);
    EXPECT_EQ(GetWindowRgn(window, region), COMPLEXREGION);
    EXPECT_TRUE(PtInRegion(region, 40, 20));
    EXPECT_FALSE(PtInRegion(region, 0, 0));
    // The rectangle shape has a region too: the whole window again.
    first.button.SetButtonShape(0);
    EXPECT_EQ(GetWindowRgn(window, region), SIMPLEREGION);
    EXPECT_TRUE(PtInRegion(region, 0, 0));
    DeleteObject(region);
}

TEST_F(ControlSiteTest, HoverTimerEndsTheHoverOnceThePointerHasLeft) {
    ASSERT_TRUE(SetCursorPos(0, 0)); // far from the form at (100, 100)
    first.Send(WM_MOUSEMOVE, 0, MAKELPARAM(10, 10)); // over the button, by the message's position
    EXPECT_EQ(first.events.entries, std::vector<std::string>{"MouseOnButton(true)"});
    ASSERT_TRUE(stage.system.HasTimer(first.site->HWnd(), 237));

    first.Send(WM_TIMER, 237, 0);
    EXPECT_EQ(first.events.entries, (std::vector<std::string>{"MouseOnButton(true)", "MouseOnButton(false)"}));
    EXPECT_FALSE(stage.system.HasTimer(first.site->HWnd(), 237));
}

// ---- Keyboard and focus ----

struct KeyRow {
    const char* name;
    bool focused; // WM_SETFOCUS first: the button then shows as the default
    std::vector<MouseStep> steps; // message, wParam (x), unused
    int clicks;
};

TEST_F(ControlSiteTest, KeysAndFocus) {
    const std::vector<KeyRow> rows = {
        {"Space", false, {{WM_KEYDOWN, VK_SPACE, 0}, {WM_CHAR, ' ', 0}, {WM_KEYUP, VK_SPACE, 0}}, 1},
        {"Enter with the focus", true, {{WM_KEYDOWN, VK_RETURN, 0}, {WM_CHAR, '\r', 0}, {WM_KEYUP, VK_RETURN, 0}}, 1},
        {"Enter without the focus", false,
         {{WM_KEYDOWN, VK_RETURN, 0}, {WM_CHAR, '\r', 0}, {WM_KEYUP, VK_RETURN, 0}}, 0},
        {"Alt and the access key", false, {{WM_SYSCHAR, 'K', 0}}, 1},
    };
    first.button.SetCaption("O&K");
    for (const KeyRow& row : rows) {
        SCOPED_TRACE(row.name);
        first.events.entries.clear();
        if (row.focused) {
            first.Send(WM_SETFOCUS);
            EXPECT_TRUE(first.site->AmbientDisplayAsDefault());
        }
        for (const MouseStep& step : row.steps)
            first.Send(step.message, static_cast<WPARAM>(step.x), 1);
        EXPECT_EQ(first.events.Count("Click"), row.clicks);
        if (row.focused) {
            first.Send(WM_KILLFOCUS, reinterpret_cast<WPARAM>(ToNative(stage.form.HWnd())));
            EXPECT_FALSE(first.site->AmbientDisplayAsDefault());
        }
    }
}

TEST_F(ControlSiteTest, FormMovesTheFocusWithTabAndPressesItsDefaultButtonWithEnter) {
    PlacedButton second(stage.form, "ztButtons_H2", 100, 10);
    const ::HWND edit = CreateWindowExW(0, L"EDIT", L"", WS_CHILD | WS_VISIBLE | WS_TABSTOP, 10, 100, 80, 20,
                                        ToNative(stage.form.HWnd()), nullptr, GetModuleHandleW(nullptr), nullptr);
    SetForegroundWindow(ToNative(stage.form.HWnd()));
    SetFocus(window);
    ASSERT_EQ(GetFocus(), window);
    EXPECT_TRUE(first.site->AmbientDisplayAsDefault());

    MSG tab{window, WM_KEYDOWN, VK_TAB, 0x000F0001, 0, {}};
    EXPECT_TRUE(stage.form.PreTranslateMessage(&tab));
    EXPECT_EQ(GetFocus(), ToNative(second.site->HWnd()));
    EXPECT_FALSE(first.site->AmbientDisplayAsDefault());
    EXPECT_TRUE(second.site->AmbientDisplayAsDefault());

    // The focus in a text box: the form's default button shows so and takes Enter.
    stage.form.SetDefaultSite(first.site.get());
    SetFocus(edit);
    EXPECT_TRUE(first.site->AmbientDisplayAsDefault());
    EXPECT_FALSE(second.site->AmbientDisplayAsDefault());
    MSG enter{edit, WM_KEYDOWN, VK_RETURN, 0x001C0001, 0, {}};
    EXPECT_TRUE(stage.form.PreTranslateMessage(&enter));
    EXPECT_EQ(first.events.Count("Click"), 1);
    EXPECT_EQ(second.events.Count("Click"), 0);
    DestroyWindow(edit);
}

TEST_F(ControlSiteTest, MousePointerSetsTheCursorOverTheClient) {
    const LPARAM overClient = MAKELPARAM(HTCLIENT, WM_MOUSEMOVE);
    first.site->SetMousePointer(2);
    EXPECT_EQ(first.Send(WM_SETCURSOR, reinterpret_cast<WPARAM>(window), overClient), TRUE);
    EXPECT_EQ(GetCursor(), LoadCursorW(nullptr, IDC_CROSS));
    first.site->SetMousePointer(0); // the window class's arrow
    first.Send(WM_SETCURSOR, reinterpret_cast<WPARAM>(window), overClient);
    EXPECT_EQ(GetCursor(), LoadCursorW(nullptr, IDC_ARROW));
}

TEST_F(ControlSiteTest, PaintShowsWhatTheControlDrew) {
    // Only the face: under Wine the surface's background mode 3 is refused, so
    // a caption's text would stand on an opaque white box.
    first.button.SetCaption("");
    InvalidateRect(window, nullptr, FALSE);
    UpdateWindow(window); // WM_PAINT: the control paints its surface
    const user::WindowSurface* surface = stage.system.Surface(first.site->HWnd());
    ASSERT_NE(surface, nullptr);
    const gdi::COLORREF face = surface->Pixel(40, 20);
    EXPECT_EQ(face, RGB(240, 240, 240)); // ButtonFace of the prefix's colour table

    // Presenting copies the surface onto any DC of the window's size.
    const ::HDC screen = GetDC(nullptr);
    const ::HDC memory = CreateCompatibleDC(screen);
    const ::HBITMAP target = CreateCompatibleBitmap(screen, 80, 40);
    const HGDIOBJ old = SelectObject(memory, target);
    PatBlt(memory, 0, 0, 80, 40, BLACKNESS);
    stage.system.Present(first.site->HWnd(), memory);
    EXPECT_EQ(GetPixel(memory, 40, 20), face);
    EXPECT_EQ(GetPixel(memory, 0, 0), surface->Pixel(0, 0));
    SelectObject(memory, old);
    DeleteObject(target);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
}

TEST_F(ControlSiteTest, ClickHandlerMayCloseTheForm) {
    // The form's window goes, and the button's window with it, inside the release.
    first.events.onClick = [this] { DestroyWindow(ToNative(stage.form.HWnd())); };
    first.Send(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 10));
    first.Send(WM_LBUTTONUP, 0, MAKELPARAM(10, 10));
    EXPECT_EQ(first.events.Count("Click"), 1);
    EXPECT_FALSE(IsWindow(window));
    EXPECT_EQ(first.site->HDC(), 0u);
    EXPECT_EQ(stage.system.Surface(first.site->HWnd()), nullptr);
}

} // namespace
