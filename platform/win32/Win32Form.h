// The host form of controls on Win32: a top-level window with the values its
// controls read as ambient and parent values (BackColor, Font, user mode),
// the keyboard interface of a dialog and a default button.
//   - Tab order: sites are WS_TABSTOP children in the order they were made;
//     the form's message loop hands each message to PreTranslateMessage,
//     which moves the focus with Tab and Shift+Tab (IsDialogMessage) and
//     gives Alt and a control's access key to that control.
//   - The default button: the site that has the focus shows as the default
//     and takes Enter itself; while the focus is elsewhere on the form the
//     default site shows so, and Enter presses it (AccessKeyPress(13)).
//   - DPI: the form knows its window's dots per inch (GetDpiForWindow, then
//     each WM_DPICHANGED); its sites convert twips and pixels by it.
//   - A host hook sees every message of the form's window first and may
//     answer it (the program's window: closing, sizing, control colours).
// The form must outlive its sites.
#pragma once

#include "platform/container/FormAmbients.h"
#include "platform/win32/Win32WindowSystem.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

struct tagMSG;

namespace win32platform {

class Win32ControlSite;

class Win32Form final : public container::FormAmbients {
  public:
    // A top-level window whose client area is width x height pixels at (x, y),
    // shown at once unless visible is false.
    Win32Form(Win32WindowSystem& system, std::string title, int x, int y, int width, int height,
              bool visible = true);
    ~Win32Form();
    Win32Form(const Win32Form&) = delete;
    Win32Form& operator=(const Win32Form&) = delete;

    Win32WindowSystem& System() const { return system_; }
    user::HWND HWnd() const { return hwnd_; }
    const std::string& Title() const { return title_; }

    void SetDefaultSite(Win32ControlSite* site); // null: no default button
    Win32ControlSite* DefaultSite() const { return defaultSite_; }

    // Dots per inch of the window: 96 at 15 twips per pixel.
    int Dpi() const { return dpi_; }

    // Sees each message of the form's window before the form; a value is the
    // message's answer and the form does nothing more with it.
    using MessageHook = std::function<std::optional<std::intptr_t>(unsigned message, std::uintptr_t wParam,
                                                                   std::intptr_t lParam)>;
    void SetMessageHook(MessageHook hook) { hook_ = std::move(hook); }

    // For the message loop: true when the message was handled (and must not
    // be translated and dispatched again).
    bool PreTranslateMessage(tagMSG* message);
    // Alt and key: the first enabled, visible site whose access keys hold the
    // key (either case) hears AccessKeyPress. False when none has it.
    bool PressAccessKey(char key);

    // ---- What the sites tell their form ----
    int Join(Win32ControlSite* site); // returns the site's control identifier
    void Leave(Win32ControlSite* site);
    void SiteFocused(Win32ControlSite* site);
    void SiteLostFocus(Win32ControlSite* site, user::HWND newFocus);

    // The form window's procedure (which learns its window from the first message).
    std::intptr_t HandleMessage(user::HWND window, unsigned message, std::uintptr_t wParam, std::intptr_t lParam);

  private:
    Win32ControlSite* SiteOf(user::HWND hwnd) const;
    Win32ControlSite* SiteWithId(int id) const;
    void PressDefault(Win32ControlSite* site);

    Win32WindowSystem& system_;
    std::string title_;
    user::HWND hwnd_ = 0;
    std::vector<Win32ControlSite*> sites_;
    Win32ControlSite* defaultSite_ = nullptr;
    int nextControlId_ = 100;
    int dpi_ = 96;
    MessageHook hook_;
};

} // namespace win32platform
