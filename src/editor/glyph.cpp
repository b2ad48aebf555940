#include "editor/glyph.h"

namespace vorlix {

ColumnByte encodeColumn(const ColumnDots& dots, BitOptions options) {
    unsigned byte = 0;
    for (int row = 0; row < Glyph::rows; ++row) {
        const int digit = dots[row] ? options.litBit() : options.darkBit();
        byte |= static_cast<unsigned>(digit) << options.bitOfRow(row);
    }
    return static_cast<ColumnByte>(byte);
}

ColumnDots decodeColumn(ColumnByte byte, BitOptions options) {
    ColumnDots dots{};
    for (int row = 0; row < Glyph::rows; ++row) {
        dots[row] = ((byte >> options.bitOfRow(row)) & 1) == options.litBit();
    }
    return dots;
}

} // namespace vorlix
