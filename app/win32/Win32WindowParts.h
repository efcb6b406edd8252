#pragma once
// The window's intrinsic controls as the behaviour sees them: a Win32
// LISTBOX, multi-line EDITs and an auto check box behind the window's
// interfaces. Each part holds its control's window, which the main window owns.
#include "app/WindowParts.h"

#include "platform/win32/Native.h"

namespace app::win32host {

class ListBoxResultList final : public ResultList {
  public:
    explicit ListBoxResultList(::HWND list) : list_(list) {}
    void AddLine(const std::string& text, bool select) override;
    void Clear() override;
    int Count() const override;
    // After the list's font changed: the horizontal scroll range is measured again.
    void MeasureLines();

  private:
    // Widens the horizontal scroll range to the line when it is wider.
    void Measure(const std::wstring& line);

    ::HWND list_;
    int widestLine_ = 0; // pixels
};

// The box shows lines separated by CR LF pairs, which is how the behaviour
// exchanges them; a lone line feed from a server's reply becomes a pair too.
class EditTextBox final : public TextBox {
  public:
    explicit EditTextBox(::HWND box) : box_(box) {}
    std::string Text() const override;
    void SetText(const std::string& text) override;
    void Append(const std::string& text) override;

  private:
    ::HWND box_;
};

class ButtonCheckBox final : public CheckBox {
  public:
    explicit ButtonCheckBox(::HWND box) : box_(box) {}
    bool Ticked() const override;

  private:
    ::HWND box_;
};

} // namespace app::win32host
