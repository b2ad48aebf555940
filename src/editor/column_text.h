#pragma once
// Column values as texts: the "&H" hex form the editor writes, the library
// stores and every output reads back.

#include "editor/glyph.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace vorlix {

// "&H" followed by the value in upper-case hex without leading zeros ("&H0").
std::string hexText(std::uint32_t value);

// The value of "&H" or "&h" and 1 to 8 hex digits of either case, nothing
// around them; any other text has none.
std::optional<std::uint32_t> hexTextValue(std::string_view text);

// The byte a stored column text stands for: a hex text of one or two digits.
std::optional<ColumnByte> columnByte(std::string_view text);

// How the user is told what a byte's text is, when a column is none.
inline constexpr std::string_view byteForm = "&H and 1 or 2 hex digits";

} // namespace vorlix
