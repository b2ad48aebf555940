#include "editor/column_encoding.h"

#include "editor/bin2hex.h"
#include "editor/column_text.h"

namespace vorlix {

GlyphTexts encodeColumns(const Glyph& glyph, BitOptions options) {
    GlyphTexts columns;
    for (int c = 0; c < Glyph::columns; ++c) {
        const ColumnByte byte = encodeColumn(glyph.dots[c], options);
        std::string binary(8, '0');
        for (int bit = 0; bit < 8; ++bit) {
            binary[7 - bit] = (byte >> bit) & 1 ? '1' : '0';
        }
        std::string hex = BIN2HEX(binary);
        columns[c] = {std::move(binary), std::move(hex), std::to_string(byte)};
    }
    return columns;
}

std::optional<Glyph> decodeColumns(const HexTexts& hex, BitOptions options) {
    Glyph glyph;
    for (int c = 0; c < Glyph::columns; ++c) {
        const auto byte = columnByte(hex[c]);
        if (!byte) {
            return std::nullopt;
        }
        glyph.dots[c] = decodeColumn(*byte, options);
    }
    return glyph;
}

} // namespace vorlix
