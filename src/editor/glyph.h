#pragma once
// A glyph: five columns of eight dots, the picture the editor holds.

#include "editor/bit_options.h"

#include <array>
#include <cstddef>
#include <cstdint>

namespace vorlix {

using ColumnByte = std::uint8_t;
using ColumnDots = std::array<bool, 8>; // row 0 at the top; true = lit

struct Glyph {
    static constexpr int columns = 5;
    static constexpr int rows = 8;

    std::array<ColumnDots, columns> dots{};

    bool lit(int column, int row) const { return dots[column][row]; }
    void toggle(int column, int row) { dots[column][row] = !dots[column][row]; }

    bool operator==(const Glyph&) const = default;
};

// The columns a character takes on the stick: its glyph's, and with blank a
// dark one after it.
constexpr std::size_t columnsPerCharacter(bool blank) {
    return Glyph::columns + (blank ? 1 : 0);
}

ColumnByte encodeColumn(const ColumnDots& dots, BitOptions options);
ColumnDots decodeColumn(ColumnByte byte, BitOptions options);

} // namespace vorlix
