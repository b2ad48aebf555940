#include "table/make_table.h"

#include <array>

#include "common/utf8.h"
#include "editor/glyph.h"
#include "table/font_index.h"

namespace vorlix {

namespace {

// The column text less its first two characters, counted as code points.
std::string_view digitsOf(std::string_view column) {
    std::size_t pos = 0;
    for (int skipped = 0; skipped < 2 && pos < column.size(); ++skipped) {
        ++pos;
        while (pos < column.size() && (static_cast<unsigned char>(column[pos]) & 0xC0) == 0x80) {
            ++pos;
        }
    }
    return column.substr(pos);
}

} // namespace

std::string MAKETABLE(std::string_view message, std::string_view prefix, bool blank,
                      const FontTable& table) {
    static constexpr std::string_view separators[] = {",  ", ",   ", ",   ", ",   "};
    const std::u32string characters = toCodePoints(message);
    const std::size_t columns = characters.size() * columnsPerCharacter(blank);

    std::string text;
    text.reserve(64 + characters.size() * 64);
    text += ';';
    text += message;
    text += "\r\n;Total Columns = ";
    text += std::to_string(columns);

    const FontIndex index(table, characters);
    for (const char32_t cp : characters) {
        const auto k = index.find(cp);
        const std::array<std::string_view, 6> fields = k ? table.fields(*k) : decltype(fields){};
        text += "\r\n       dt  ";
        for (int c = 0; c < 5; ++c) {
            if (c > 0) {
                text += separators[c - 1];
            }
            text += prefix;
            text += digitsOf(fields[c + 1]);
        }
        if (blank) {
            text += ",   ";
            text += prefix;
            text += "FF";
        }
    }
    return text;
}

} // namespace vorlix
