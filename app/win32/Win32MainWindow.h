#pragma once
// The main window on Win32: a form with real Win32 controls laid out as the
// window's layout says (scaled to the window's DPI), the ztButtons on control
// sites, and the window's behaviour (frmTime) wired to them. It lays out,
// forwards and shows; what happens on a click is frmTime's.
//
// The window can be widened and, down to the server test, made taller; when
// the focus moves to a control below the visible part the window grows to
// show it. Closing goes through frmTime::Form_Unload, then the message loops
// end (PostQuitMessage).
// The control's headers come before windows.h, whose macros would rewrite
// the drawing layer's names.
#include "app/win32/Win32CommandButton.h"

#include "app/AppEnvironment.h"
#include "app/WindowLayout.h"
#include "app/WindowParts.h"
#include "app/frmTime.h"
#include "app/win32/IndicatorCircle.h"
#include "app/win32/Win32EventPump.h"
#include "app/win32/Win32WindowParts.h"
#include "platform/win32/Win32Form.h"
#include "platform/win32/Win32WindowSystem.h"

#include <cstdint>
#include <memory>
#include <optional>

namespace app::win32host {

// The windows of the controls, for looking at them.
struct ControlWindows {
    ::HWND lstResult;
    ::HWND cmdHomePage;
    ::HWND shpDateTime;
    ::HWND cmdDateTime;
    ::HWND txtCeShi;
    ::HWND cmdCeShi;
    ::HWND chkCeshi;
    ::HWND txtYouXiao;
};

class Win32MainWindow final : public MainWindow {
  public:
    Win32MainWindow(win32platform::Win32WindowSystem& system, AppEnvironment environment);
    ~Win32MainWindow() override;
    Win32MainWindow(const Win32MainWindow&) = delete;
    Win32MainWindow& operator=(const Win32MainWindow&) = delete;

    frmTime& Form() { return *form_; }
    Win32EventPump& Pump() { return pump_; }
    ::HWND Window() const { return win32platform::ToNative(formWindow_.HWnd()); }
    ControlWindows Controls() const;
    win32platform::Win32Form& FormWindow() { return formWindow_; }
    int Dpi() const { return formWindow_.Dpi(); }
    // Until the window was closed (at once when it is closed already).
    void RunUntilClosed();
    bool Closed() const { return closed_; }

    // How the first showing shows the window: WinMain's nCmdShow (a shortcut
    // may ask for a minimised or maximised start).
    void SetFirstShowCommand(int command) { showCommand_ = command; }
    void SetTitle(const std::string& title) override;
    void Show() override;
    void Close() override;

  private:
    void CreateControls();
    void CreateFonts();
    void ApplyLayout();
    SIZE FrameSize() const; // what the window adds around its client area
    void SetClientSize(int width, int height);
    std::optional<std::intptr_t> OnMessage(unsigned message, WPARAM wParam, LPARAM lParam);
    void OnClose();
    void OnDpiChanged(const RECT& suggested);
    void LimitTracking(MINMAXINFO& limits) const;
    // After each message: the window grows until a newly focused control is
    // wholly visible.
    void FollowFocus();
    std::optional<ControlBox> LayoutPlaceOf(::HWND control) const;
    void SetWindowIcons();

    win32platform::Win32Form formWindow_;
    Win32EventPump pump_;
    std::unique_ptr<Win32CommandButton> dateTimeButton_;
    std::unique_ptr<Win32CommandButton> serverTestButton_;
    std::unique_ptr<Win32CommandButton> homePageButton_;
    ::HWND lstResult_ = nullptr;
    ::HWND txtCeShi_ = nullptr;
    ::HWND txtYouXiao_ = nullptr;
    ::HWND chkCeshi_ = nullptr;
    std::unique_ptr<IndicatorCircle> shpDateTime_;
    std::unique_ptr<ListBoxResultList> resultList_;
    std::unique_ptr<EditTextBox> hostsBox_;
    std::unique_ptr<EditTextBox> answeredBox_;
    std::unique_ptr<ButtonCheckBox> showTimeBox_;
    ::HFONT listFont_ = nullptr;    // 宋体 10.5 pt, GB2312
    ::HFONT captionFont_ = nullptr; // 宋体 9 pt, the check box's
    ::HFONT textFont_ = nullptr;    // the desktop's message font, the text boxes'
    ::HBRUSH listBackground_ = nullptr;
    ::HICON bigIcon_ = nullptr;
    ::HICON smallIcon_ = nullptr;
    ::HWND lastFocus_ = nullptr;
    bool closed_ = false;
    int showCommand_ = SW_SHOWNORMAL;
    std::unique_ptr<frmTime> form_;
};

} // namespace app::win32host
