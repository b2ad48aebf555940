#pragma once
// A glyph as the editor shows it, column by column: eight binary digits, the
// "&H" hex text the library stores, and the decimal value.

#include "editor/glyph.h"

#include <array>
#include <optional>
#include <string>

namespace vorlix {

struct ColumnTexts {
    std::string binary; // 8 digits, most significant first
    std::string hex;    // "&H" form, as BIN2HEX writes it
    std::string decimal;

    bool operator==(const ColumnTexts&) const = default;
};

using GlyphTexts = std::array<ColumnTexts, Glyph::columns>;
using HexTexts = std::array<std::string, Glyph::columns>;

GlyphTexts encodeColumns(const Glyph& glyph, BitOptions options);

// The glyph whose columns encode to these hex texts, read with the same
// options; empty when a text is no byte (see columnByte).
std::optional<Glyph> decodeColumns(const HexTexts& hex, BitOptions options);

} // namespace vorlix
