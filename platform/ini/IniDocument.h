#pragma once
// The INI text model behind the profile functions: looking a value up in the
// text of a file and producing the text with one value stored. Pure string work,
// so the rules can be tested without touching files.
#include <optional>
#include <string>
#include <string_view>

namespace ini {

// The value of key in section, blanks around it removed, or nothing when the
// section or the key is missing. Names are compared without regard to case; the
// first matching section and the first matching key in it win.
std::optional<std::string> FindValue(std::string_view text, std::string_view section, std::string_view key);

// True when section, key and value can be stored without changing the meaning of
// any other line: no line breaks anywhere, no "=" in the key, no "]" in the section.
bool CanStore(std::string_view section, std::string_view key, std::string_view value);

// The text with key = value stored in section. An existing key keeps its spelling
// and only its value changes; a missing key is added after the last non-blank line
// of its section; a missing section is added at the end. Every other byte stays;
// a last line without a line end gets one before anything is added after it.
std::string StoreValue(std::string_view text, std::string_view section, std::string_view key,
                       std::string_view value);

} // namespace ini
