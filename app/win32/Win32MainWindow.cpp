#include "app/win32/Win32MainWindow.h"

#include "app/ControlNames.h"
#include "app/StoredButtons.h"
#include "app/win32/AccessibleNames.h"
#include "app/win32/DpiScaling.h"
#include "app/ProgramServices.h"
#include "app/win32/ProgramFile.h"

#include <commctrl.h>

#include <array>
#include <initializer_list>

namespace app::win32host {
namespace {

using win32platform::ToNative;
using win32platform::Utf16;

constexpr int kAppIconId = 1; // DunmoraDesk.rc

::HWND CreateChild(::HWND parent, DWORD exStyle, const wchar_t* className, const wchar_t* text, DWORD style) {
    return CreateWindowExW(exStyle, className, text, WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | style, 0, 0, 0, 0,
                           parent, nullptr, GetModuleHandleW(nullptr), nullptr);
}

// Tab moves on to the next control, as in any form, instead of typing a tab
// character into the box (a multi-line edit wants every key).
LRESULT CALLBACK TabLeavesTextBox(::HWND box, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR) {
    LRESULT result = DefSubclassProc(box, message, wParam, lParam);
    if (message == WM_GETDLGCODE && lParam != 0) {
        const auto* pending = reinterpret_cast<const MSG*>(lParam);
        if ((pending->message == WM_KEYDOWN || pending->message == WM_CHAR) && pending->wParam == VK_TAB)
            result &= ~static_cast<LRESULT>(DLGC_WANTTAB | DLGC_WANTALLKEYS);
    }
    return result;
}

::HWND CreateTextBox(::HWND parent) {
    const ::HWND box = CreateChild(parent, WS_EX_CLIENTEDGE, L"EDIT", L"",
                                   WS_TABSTOP | WS_VSCROLL | ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN);
    SendMessageW(box, EM_SETLIMITTEXT, 0, 0); // as long as memory allows
    SetWindowSubclass(box, TabLeavesTextBox, 0, 0);
    return box;
}

::HFONT CreateSongFont(double points, int dpi, DWORD quality) {
    return CreateFontW(FontHeightForPoints(points, dpi), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, GB2312_CHARSET,
                       OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, quality, DEFAULT_PITCH | FF_DONTCARE, L"宋体");
}

// The font the desktop uses for message text, at the window's density.
::HFONT CreateMessageFont(int dpi) {
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof(metrics);
    if (SystemParametersInfoForDpi(SPI_GETNONCLIENTMETRICS, metrics.cbSize, &metrics, 0,
                                   static_cast<UINT>(dpi)))
        return CreateFontIndirectW(&metrics.lfMessageFont);
    return CreateFontW(FontHeightForPoints(9, dpi), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                       OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE,
                       L"Segoe UI");
}

void DeleteFont(::HFONT& font) {
    if (font != nullptr)
        DeleteObject(font);
    font = nullptr;
}

void PlaceWindow(::HWND window, const ControlBox& box) {
    SetWindowPos(window, nullptr, box.left, box.top, box.width, box.height, SWP_NOZORDER | SWP_NOACTIVATE);
}

} // namespace

Win32MainWindow::Win32MainWindow(win32platform::Win32WindowSystem& system, AppEnvironment environment)
    : formWindow_(system, "北京时间", CW_USEDEFAULT, CW_USEDEFAULT, kStoredClientWidth, kStoredClientHeight,
                  false) {
    CreateFonts();
    CreateControls();
    SetWindowIcons();
    formWindow_.SetMessageHook(
        [this](unsigned message, std::uintptr_t wParam, std::intptr_t lParam) {
            return OnMessage(message, wParam, lParam);
        });
    pump_.SetPreTranslate([this](MSG& message) { return formWindow_.PreTranslateMessage(&message); });
    pump_.SetAfterMessage([this] { FollowFocus(); });
    // The stored client area at the window's density; WM_SIZE lays it out.
    SetClientSize(ScaledToDpi(kStoredClientWidth, Dpi()), ScaledToDpi(kStoredClientHeight, Dpi()));
    ApplyLayout();

    form_ = std::make_unique<frmTime>(WindowControls{*this, *resultList_, *shpDateTime_, *hostsBox_,
                                                     *answeredBox_, *showTimeBox_, *dateTimeButton_,
                                                     *homePageButton_, *serverTestButton_},
                                      pump_, WithProgramServices(std::move(environment), ProgramFilePath));
}

Win32MainWindow::~Win32MainWindow() {
    form_.reset(); // before the controls it points at
    formWindow_.SetMessageHook({});
    pump_.SetPreTranslate({});
    pump_.SetAfterMessage({});
    dateTimeButton_.reset();
    serverTestButton_.reset();
    homePageButton_.reset();
    shpDateTime_.reset();
    for (::HWND control : {lstResult_, txtCeShi_, txtYouXiao_, chkCeshi_})
        DestroyWindow(control);
    DeleteFont(listFont_);
    DeleteFont(captionFont_);
    DeleteFont(textFont_);
    if (listBackground_ != nullptr)
        DeleteObject(listBackground_);
    for (::HICON icon : {bigIcon_, smallIcon_}) {
        if (icon != nullptr)
            DestroyIcon(icon);
    }
}

// Controls are made in tab order: the synchronise button first, so it has the
// focus when the window opens, then the list, the two text boxes, the test's
// button, the check box and the home-page button. The indicator takes no focus.
void Win32MainWindow::CreateControls() {
    const WindowLayout layout = ScaledLayout(ScaledToDpi(kStoredClientWidth, Dpi()), Dpi());
    const ::HWND form = Window();
    dateTimeButton_ =
        std::make_unique<Win32CommandButton>(formWindow_, "cmdDateTime", layout.cmdDateTime, StoredDateTimeButton());

    lstResult_ = CreateChild(form, WS_EX_CLIENTEDGE, L"LISTBOX", L"",
                             WS_TABSTOP | WS_VSCROLL | WS_HSCROLL | LBS_NOINTEGRALHEIGHT | LBS_NOTIFY);
    listBackground_ = CreateSolidBrush(RGB(64, 64, 64));
    txtCeShi_ = CreateTextBox(form);
    txtYouXiao_ = CreateTextBox(form);
    serverTestButton_ =
        std::make_unique<Win32CommandButton>(formWindow_, "cmdCeShi", layout.cmdCeShi, StoredServerTestButton());
    chkCeshi_ = CreateChild(form, 0, L"BUTTON", L"显示时间", WS_TABSTOP | BS_AUTOCHECKBOX);
    homePageButton_ = std::make_unique<Win32CommandButton>(formWindow_, "cmdHomePage", layout.cmdHomePage,
                                                           StoredHomePageButton(kPublisherHost));
    shpDateTime_ = std::make_unique<IndicatorCircle>(form);

    SendMessageW(lstResult_, WM_SETFONT, reinterpret_cast<WPARAM>(listFont_), FALSE);
    SendMessageW(chkCeshi_, WM_SETFONT, reinterpret_cast<WPARAM>(captionFont_), FALSE);
    for (::HWND box : {txtCeShi_, txtYouXiao_})
        SendMessageW(box, WM_SETFONT, reinterpret_cast<WPARAM>(textFont_), FALSE);

    AnnotateAccessibility(lstResult_, kResultListName);
    AnnotateAccessibility(txtCeShi_, kTestedServersName);
    AnnotateAccessibility(txtYouXiao_, kWorkingServersName);

    resultList_ = std::make_unique<ListBoxResultList>(lstResult_);
    hostsBox_ = std::make_unique<EditTextBox>(txtCeShi_);
    answeredBox_ = std::make_unique<EditTextBox>(txtYouXiao_);
    showTimeBox_ = std::make_unique<ButtonCheckBox>(chkCeshi_);
}

void Win32MainWindow::CreateFonts() {
    const int dpi = Dpi();
    listFont_ = CreateSongFont(10.5, dpi, DEFAULT_QUALITY);
    // Small Song text smoothed reads as grey, like a disabled control; drawn
    // sharp, as the buttons' captions are, it reads in the text colour.
    captionFont_ = CreateSongFont(9, dpi, NONANTIALIASED_QUALITY);
    textFont_ = CreateMessageFont(dpi);
}

void Win32MainWindow::SetWindowIcons() {
    const ::HINSTANCE instance = GetModuleHandleW(nullptr);
    const UINT dpi = static_cast<UINT>(Dpi());
    bigIcon_ = static_cast<::HICON>(LoadImageW(instance, MAKEINTRESOURCEW(kAppIconId), IMAGE_ICON,
                                               GetSystemMetricsForDpi(SM_CXICON, dpi),
                                               GetSystemMetricsForDpi(SM_CYICON, dpi), 0));
    smallIcon_ = static_cast<::HICON>(LoadImageW(instance, MAKEINTRESOURCEW(kAppIconId), IMAGE_ICON,
                                                 GetSystemMetricsForDpi(SM_CXSMICON, dpi),
                                                 GetSystemMetricsForDpi(SM_CYSMICON, dpi), 0));
    SendMessageW(Window(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(bigIcon_));
    SendMessageW(Window(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(smallIcon_));
}

ControlWindows Win32MainWindow::Controls() const {
    return {lstResult_,
            ToNative(homePageButton_->Window()),
            shpDateTime_->Window(),
            ToNative(dateTimeButton_->Window()),
            txtCeShi_,
            ToNative(serverTestButton_->Window()),
            chkCeshi_,
            txtYouXiao_};
}

void Win32MainWindow::ApplyLayout() {
    RECT client{};
    GetClientRect(Window(), &client);
    const WindowLayout layout = ScaledLayout(client.right, Dpi());
    PlaceWindow(lstResult_, layout.lstResult);
    homePageButton_->Place(layout.cmdHomePage);
    PlaceWindow(shpDateTime_->Window(), layout.shpDateTime);
    dateTimeButton_->Place(layout.cmdDateTime);
    PlaceWindow(txtCeShi_, layout.txtCeShi);
    serverTestButton_->Place(layout.cmdCeShi);
    PlaceWindow(chkCeshi_, layout.chkCeshi);
    PlaceWindow(txtYouXiao_, layout.txtYouXiao);
}

SIZE Win32MainWindow::FrameSize() const {
    // Measured on the window: its border and caption at its density as the
    // system draws them.
    RECT window{};
    RECT client{};
    GetWindowRect(Window(), &window);
    GetClientRect(Window(), &client);
    return {(window.right - window.left) - client.right, (window.bottom - window.top) - client.bottom};
}

void Win32MainWindow::SetClientSize(int width, int height) {
    const SIZE frame = FrameSize();
    SetWindowPos(Window(), nullptr, 0, 0, width + frame.cx, height + frame.cy,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

std::optional<ControlBox> Win32MainWindow::LayoutPlaceOf(::HWND control) const {
    RECT client{};
    GetClientRect(Window(), &client);
    const WindowLayout layout = LayOutWindow(LayoutPixels(client.right, Dpi()));
    const std::array<std::pair<::HWND, ControlBox>, 7> places{{
        {lstResult_, layout.lstResult},
        {ToNative(homePageButton_->Window()), layout.cmdHomePage},
        {ToNative(dateTimeButton_->Window()), layout.cmdDateTime},
        {txtCeShi_, layout.txtCeShi},
        {ToNative(serverTestButton_->Window()), layout.cmdCeShi},
        {chkCeshi_, layout.chkCeshi},
        {txtYouXiao_, layout.txtYouXiao},
    }};
    for (const auto& [window, box] : places) {
        if (window == control)
            return box;
    }
    return std::nullopt;
}

void Win32MainWindow::FollowFocus() {
    ::HWND focused = GetFocus();
    if (focused == nullptr || focused == lastFocus_ || !IsChild(Window(), focused))
        return;
    // The control itself, not an inner window of it.
    while (GetParent(focused) != nullptr && GetParent(focused) != Window())
        focused = GetParent(focused);
    lastFocus_ = focused;
    const std::optional<ControlBox> place = LayoutPlaceOf(focused);
    if (!place)
        return;
    RECT client{};
    GetClientRect(Window(), &client);
    const int needed = ScaledToDpi(ClientHeightShowing(*place, LayoutPixels(client.bottom, Dpi())), Dpi());
    if (needed > client.bottom)
        SetClientSize(client.right, needed);
}

void Win32MainWindow::LimitTracking(MINMAXINFO& limits) const {
    const SIZE frame = FrameSize();
    limits.ptMinTrackSize.x = ScaledToDpi(kStoredClientWidth, Dpi()) + frame.cx;
    limits.ptMinTrackSize.y = ScaledToDpi(kStoredClientHeight, Dpi()) + frame.cy;
    // Wider for long result lines; taller only down to the server test.
    limits.ptMaxTrackSize.y = ScaledToDpi(kFullClientHeight, Dpi()) + frame.cy;
    limits.ptMaxSize.y = limits.ptMaxTrackSize.y;
}

std::optional<std::intptr_t> Win32MainWindow::OnMessage(unsigned message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CTLCOLORLISTBOX:
        if (reinterpret_cast<::HWND>(lParam) != lstResult_)
            return std::nullopt;
        SetTextColor(reinterpret_cast<::HDC>(wParam), RGB(255, 255, 255));
        SetBkColor(reinterpret_cast<::HDC>(wParam), RGB(64, 64, 64));
        return reinterpret_cast<std::intptr_t>(listBackground_);
    case WM_SIZE:
        if (lstResult_ != nullptr && wParam != SIZE_MINIMIZED)
            ApplyLayout();
        return 0;
    case WM_GETMINMAXINFO:
        LimitTracking(*reinterpret_cast<MINMAXINFO*>(lParam));
        return 0;
    case WM_DPICHANGED:
        OnDpiChanged(*reinterpret_cast<const RECT*>(lParam));
        return 0;
    case WM_SETFOCUS:
        // Back to the control that had the focus when the window was left.
        SetFocus(lastFocus_ != nullptr && IsWindow(lastFocus_) ? lastFocus_ : ToNative(dateTimeButton_->Window()));
        return 0;
    case WM_CLOSE:
        OnClose();
        return 0;
    default:
        return std::nullopt;
    }
}

void Win32MainWindow::OnClose() {
    if (closed_)
        return;
    closed_ = true;
    ShowWindow(Window(), SW_HIDE);
    // A running command is cancelled and stops at its next step; every
    // message loop ends, a download's wait included.
    if (form_)
        form_->Form_Unload();
    PostQuitMessage(0);
}

void Win32MainWindow::OnDpiChanged(const RECT& suggested) {
    // The form already reads the new density.
    DeleteFont(listFont_);
    DeleteFont(captionFont_);
    DeleteFont(textFont_);
    CreateFonts();
    SendMessageW(lstResult_, WM_SETFONT, reinterpret_cast<WPARAM>(listFont_), TRUE);
    SendMessageW(chkCeshi_, WM_SETFONT, reinterpret_cast<WPARAM>(captionFont_), TRUE);
    for (::HWND box : {txtCeShi_, txtYouXiao_})
        SendMessageW(box, WM_SETFONT, reinterpret_cast<WPARAM>(textFont_), TRUE);
    resultList_->MeasureLines();
    for (Win32CommandButton* button : {dateTimeButton_.get(), serverTestButton_.get(), homePageButton_.get()})
        button->FollowDpi();
    SetWindowPos(Window(), nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                 suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
    ApplyLayout();
}

void Win32MainWindow::RunUntilClosed() {
    if (!closed_)
        pump_.Run();
}

void Win32MainWindow::SetTitle(const std::string& title) {
    SetWindowTextW(Window(), Utf16(title).c_str());
}

void Win32MainWindow::Show() {
    ShowWindow(Window(), showCommand_);
    showCommand_ = SW_SHOW;
    if (!IsChild(Window(), GetFocus()))
        SetFocus(ToNative(dateTimeButton_->Window()));
    UpdateWindow(Window());
}

void Win32MainWindow::Close() {
    SendMessageW(Window(), WM_CLOSE, 0, 0);
}

} // namespace app::win32host
