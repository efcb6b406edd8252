// The access key of a caption: the character after its last single "&"
// ("&&" stands for a literal ampersand).
#pragma once

#include <optional>
#include <string>
#include <string_view>

// nullopt when the caption has no single "&"; otherwise the (UTF-8) character
// after the marker, or the empty text when the marker ends the caption.
std::optional<std::string> FindAccessKey(std::string_view caption);
