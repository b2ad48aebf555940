#include "table/message_bytes.h"

#include "common/utf8.h"
#include "editor/column_text.h"
#include "table/font_index.h"

namespace vorlix {

std::vector<CharacterBytes> messageBytes(std::string_view message, const FontTable& table) {
    const std::u32string characters = toCodePoints(message);
    const FontIndex index(table, characters);
    std::vector<CharacterBytes> bytes;
    bytes.reserve(characters.size());
    for (const char32_t cp : characters) {
        CharacterBytes& entry = bytes.emplace_back();
        entry.character = cp;
        const auto k = index.find(cp);
        if (!k) {
            continue;
        }
        entry.record = table[*k];
        for (std::size_t c = 0; c < entry.columns.size(); ++c) {
            entry.columns[c] = columnByte(entry.record->HEX[c]);
        }
    }
    return bytes;
}

} // namespace vorlix
