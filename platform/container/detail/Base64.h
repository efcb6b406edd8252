// Base64 (RFC 4648, with padding) for picture bytes in the bag's text form.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace container::detail {

std::string EncodeBase64(const std::vector<std::uint8_t>& bytes);
// nullopt for text that is not canonical padded base64.
std::optional<std::vector<std::uint8_t>> DecodeBase64(std::string_view text);

} // namespace container::detail
