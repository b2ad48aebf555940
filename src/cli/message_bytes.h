#pragma once
// A message as the bytes its glyph columns stand for, for the outputs that
// need values rather than the stored texts (the C array, the picture).

#include "library/font_record.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

namespace vorlix::cli {

// The byte a column text stands for: "&H" or "&h" and one or two hex digits of
// either case, nothing around them. Any other text is no byte.
std::optional<std::uint8_t> columnByte(std::string_view text);

struct CharacterBytes {
    char32_t character = 0;
    bool found = false;                                 // the library holds a glyph for it
    std::array<std::optional<std::uint8_t>, 5> columns; // empty where the text is no byte
};

// One entry per code point of the UTF-8 message, each looked up as the table
// text does: the first record of that character.
std::vector<CharacterBytes> messageBytes(std::string_view message, const FontTable& table);

} // namespace vorlix::cli
