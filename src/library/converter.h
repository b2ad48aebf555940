#pragma once
// Number texts to binary digit texts, as the glyph preview reads stored
// column values.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace vorlix {

// Eight digit fields; Bit[k] is the digit of weight 2^k (Bit[7] is Bit7).
struct BINREC {
    std::array<std::uint8_t, 8> Bit{};

    bool operator==(const BINREC&) const = default;
};

// The numbers this tool reads: a decimal with an optional fraction ("126",
// "2.5", ".5", "3.") or "&H" / "&h" with 1 to 8 hex digits of either case,
// blanks around either allowed. Nothing else: no signs, no exponents.
std::optional<double> numberValue(std::string_view text);

struct Dec2BinResult {
    std::string text; // empty when value is no number or 2^30.5 or more
    BINREC digits;    // the first eight characters written into the fields
};

// Binary digits of value without leading zeros of its own, at most places
// fraction digits after a point, left-padded to 8 characters. Each of the
// first eight characters that is a digit overwrites its field of digits
// (character 1 is Bit7); a point leaves its field, and the two early returns
// leave all fields, as they were.
Dec2BinResult DEC2BIN(std::string_view value, std::int16_t places, BINREC digits);

} // namespace vorlix
