// The ANSI code page of Windows, as GetACP() names it for this process.
#include "platform/ini/IniText.h"
#include "platform/unicode/Utf16.h"

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

namespace ini {
namespace {

AnsiCodePage ForCodePage(unsigned codePage) {
    // With the system-wide UTF-8 option the ANSI code page is UTF-8, as on Linux.
    if (codePage == CP_UTF8)
        return {};
    AnsiCodePage ansi;
    ansi.toUtf8 = [codePage](std::string_view bytes) -> std::optional<std::string> {
        const std::optional<std::wstring> text = unicode::FromCodePage(bytes, codePage);
        return text ? std::optional<std::string>(unicode::Utf8(*text)) : std::nullopt;
    };
    ansi.fromUtf8 = [codePage](std::string_view utf8) -> std::optional<std::string> {
        const std::optional<std::wstring> text = unicode::FromCodePage(utf8, CP_UTF8);
        return text ? unicode::ToCodePage(*text, codePage) : std::nullopt;
    };
    return ansi;
}

} // namespace

const AnsiCodePage& SystemAnsiCodePage() {
    static const AnsiCodePage ansi = ForCodePage(GetACP());
    return ansi;
}

} // namespace ini
