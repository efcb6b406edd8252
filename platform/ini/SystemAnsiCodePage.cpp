// On Linux the ANSI code page is UTF-8: files are taken byte for byte.
#include "platform/ini/IniText.h"

namespace ini {

const AnsiCodePage& SystemAnsiCodePage() {
    static const AnsiCodePage utf8;
    return utf8;
}

} // namespace ini
