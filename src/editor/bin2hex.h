#pragma once

#include <string>
#include <string_view>

namespace vorlix {

// Reads a text of binary digits and gives it back as "&H" followed by 1 to 8
// upper-case hex digits without leading zeros. Outer spaces and an "&B"
// prefix (either case) are dropped, inner spaces removed; the rightmost 32
// characters count, left-padded with zeros, and only a "1" is a set bit:
// every other character, a tab included, is a 0 digit.
std::string BIN2HEX(std::string_view text);

} // namespace vorlix
