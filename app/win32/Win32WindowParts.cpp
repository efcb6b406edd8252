#include "app/win32/Win32WindowParts.h"

#include <algorithm>

namespace app::win32host {
namespace {

using win32platform::Utf16;
using win32platform::Utf8;

// A lone line feed, as Linux servers end their lines, shows as a line break.
std::wstring WithLineBreaks(const std::string& text) {
    std::string converted;
    converted.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\n' && (i == 0 || text[i - 1] != '\r'))
            converted += '\r';
        converted += text[i];
    }
    return Utf16(converted);
}

} // namespace

void ListBoxResultList::AddLine(const std::string& text, bool select) {
    const std::wstring line = Utf16(text);
    const LRESULT index = SendMessageW(list_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(line.c_str()));
    Measure(line);
    if (!select || index < 0)
        return;
    SendMessageW(list_, LB_SETCURSEL, static_cast<WPARAM>(index), 0); // also scrolls it into view
    UpdateWindow(list_);
}

void ListBoxResultList::Clear() {
    SendMessageW(list_, LB_RESETCONTENT, 0, 0);
    widestLine_ = 0;
    SendMessageW(list_, LB_SETHORIZONTALEXTENT, 0, 0);
}

int ListBoxResultList::Count() const {
    return static_cast<int>(SendMessageW(list_, LB_GETCOUNT, 0, 0));
}

void ListBoxResultList::Measure(const std::wstring& line) {
    const ::HDC dc = GetDC(list_);
    if (dc == nullptr)
        return;
    const auto font = reinterpret_cast<HFONT>(SendMessageW(list_, WM_GETFONT, 0, 0));
    const HGDIOBJ previous = font != nullptr ? SelectObject(dc, font) : nullptr;
    SIZE extent{};
    GetTextExtentPoint32W(dc, line.c_str(), static_cast<int>(line.size()), &extent);
    if (previous != nullptr)
        SelectObject(dc, previous);
    ReleaseDC(list_, dc);
    // A little room after the text, as the list leaves before it.
    const int width = extent.cx + 4;
    if (width <= widestLine_)
        return;
    widestLine_ = width;
    SendMessageW(list_, LB_SETHORIZONTALEXTENT, static_cast<WPARAM>(widestLine_), 0);
}

void ListBoxResultList::MeasureLines() {
    widestLine_ = 0;
    SendMessageW(list_, LB_SETHORIZONTALEXTENT, 0, 0);
    const int count = Count();
    for (int i = 0; i < count; ++i) {
        const LRESULT length = SendMessageW(list_, LB_GETTEXTLEN, static_cast<WPARAM>(i), 0);
        if (length < 0)
            continue;
        std::wstring line(static_cast<std::size_t>(length) + 1, L'\0');
        SendMessageW(list_, LB_GETTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(line.data()));
        line.resize(static_cast<std::size_t>(length));
        Measure(line);
    }
}

std::string EditTextBox::Text() const {
    const int length = GetWindowTextLengthW(box_);
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    const int copied = GetWindowTextW(box_, text.data(), length + 1);
    text.resize(static_cast<std::size_t>(std::max(copied, 0)));
    return Utf8(text);
}

void EditTextBox::SetText(const std::string& text) {
    SetWindowTextW(box_, WithLineBreaks(text).c_str());
}

void EditTextBox::Append(const std::string& text) {
    DWORD start = 0;
    DWORD end = 0;
    SendMessageW(box_, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    const auto length = static_cast<DWORD>(GetWindowTextLengthW(box_));
    const bool cursorAtEnd = start == length && end == length;
    SendMessageW(box_, EM_SETSEL, length, length);
    const std::wstring added = WithLineBreaks(text);
    SendMessageW(box_, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(added.c_str()));
    // What the user selected or where the cursor stood stays; a cursor at the
    // end follows the text.
    if (!cursorAtEnd)
        SendMessageW(box_, EM_SETSEL, start, end);
}

bool ButtonCheckBox::Ticked() const {
    return SendMessageW(box_, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

} // namespace app::win32host
