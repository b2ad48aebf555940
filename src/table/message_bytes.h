#pragma once
// A message as the bytes its glyph columns stand for, for the outputs that
// need values rather than the stored texts (the C array, the picture).

#include "editor/glyph.h"
#include "library/font_record.h"

#include <array>
#include <optional>
#include <string_view>
#include <vector>

namespace vorlix {

struct CharacterBytes {
    char32_t character = 0;
    std::optional<FONTREC> record;                    // its glyph, empty when the library has none
    std::array<std::optional<ColumnByte>, 5> columns; // empty where the text is no byte
};

// One entry per code point of the UTF-8 message, each looked up as the table
// text does: the first record of that character. Column bytes are as stored
// (see columnByte).
std::vector<CharacterBytes> messageBytes(std::string_view message, const FontTable& table);

} // namespace vorlix
