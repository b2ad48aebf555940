#pragma once
// What the LED stick lights for a message, column by column.

#include "library/font_record.h"

#include <array>
#include <cstdint>
#include <string_view>
#include <vector>

namespace vorlix::cli {

using Dots = std::array<bool, 8>; // row 0 at the top; true = lit

// The editor's two options, read back: by default a 0 bit is a lit dot and
// the top row is the most significant bit.
struct DotEncoding {
    bool invert = false;  // a 1 bit is lit
    bool swapMsb = false; // the bottom row is the most significant bit
};

Dots columnDots(std::uint8_t byte, DotEncoding encoding);

// Five columns per character, plus a dark one after each with blank. A column
// whose text is no byte (see columnByte), and every column of a character the
// library lacks, is dark too: there is nothing known to light.
std::vector<Dots> stickColumns(std::string_view message, bool blank, const FontTable& table,
                               DotEncoding encoding);

} // namespace vorlix::cli
