#pragma once
// The encoding of an INI file. Our text is UTF-8, and so are the files we
// write; a file that is not valid UTF-8 was written by an older program in the
// system's ANSI code page (on Chinese Windows GBK, code page 936) and is read
// in it. On Linux the ANSI code page is UTF-8 itself, so there bytes are taken
// as they are.
//
// Writing into such a file keeps it in its code page: the file is decoded, the
// value stored, and the whole encoded back, so every other byte stays as it
// was and the older program still reads the file. That is done only when
// decoding and encoding give the file's bytes back exactly; a value the code
// page cannot hold is refused rather than written in another encoding, which
// would leave a file that reads wrongly in either.
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace ini {

// The ANSI code page as two conversions, each giving nothing for text it cannot
// convert exactly. Empty conversions: the ANSI code page is UTF-8.
struct AnsiCodePage {
    std::function<std::optional<std::string>(std::string_view bytes)> toUtf8;
    std::function<std::optional<std::string>(std::string_view utf8)> fromUtf8;
};

// This system's: GetACP() on Windows, UTF-8 elsewhere.
const AnsiCodePage& SystemAnsiCodePage();

bool IsValidUtf8(std::string_view text);

// The file's text as UTF-8: the bytes themselves when they are UTF-8, else read
// in the ANSI code page; bytes that are neither stay as they are.
std::string DecodeIniText(std::string_view bytes, const AnsiCodePage& ansi);

// The file's bytes with key = value stored in section (see StoreValue), in the
// file's own encoding; nothing when the file is in the ANSI code page and the
// names or the value have no exact form in it.
std::optional<std::string> StoreInIniText(std::string_view bytes, std::string_view section, std::string_view key,
                                          std::string_view value, const AnsiCodePage& ansi);

} // namespace ini
