// Opening a web address on Windows: shell32's own ShellExecuteW, with the
// UTF-8 text of the program turned into UTF-16 on the way.
#include "platform/shell/Shell.h"
#include "platform/unicode/Utf16.h"

#include <windows.h>

#include <shellapi.h>

#include <string>

namespace shell {
namespace {

std::wstring Wide(const char* text) {
    return text ? unicode::Utf16(text) : std::wstring();
}

const wchar_t* OrNull(const std::wstring& text, const char* original) {
    return original ? text.c_str() : nullptr;
}

} // namespace

HINSTANCE ShellExecuteA(HWND hwnd, const char* lpOperation, const char* lpFile, const char* lpParameters,
                        const char* lpDirectory, int nShowCmd) {
    const std::wstring operation = Wide(lpOperation);
    const std::wstring file = Wide(lpFile);
    const std::wstring parameters = Wide(lpParameters);
    const std::wstring directory = Wide(lpDirectory);
    const HINSTANCE__* result =
        ::ShellExecuteW(static_cast<::HWND>(hwnd), OrNull(operation, lpOperation), OrNull(file, lpFile),
                        OrNull(parameters, lpParameters), OrNull(directory, lpDirectory), nShowCmd);
    return reinterpret_cast<HINSTANCE>(result);
}

} // namespace shell
