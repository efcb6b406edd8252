// The access key of a caption: the character after its last single "&"
// ("&&" stands for a literal ampersand); and the caption as plain text.
#pragma once

#include <optional>
#include <string>
#include <string_view>

// nullopt when the caption has no single "&"; otherwise the (UTF-8) character
// after the marker, or the empty text when the marker ends the caption.
std::optional<std::string> FindAccessKey(std::string_view caption);

// The caption as plain text, for a screen reader: "&&" is one "&" and a single
// "&" (the access key's marker) is dropped; "||" line breaks stay.
std::string CaptionWithoutMarkers(std::string_view caption);
