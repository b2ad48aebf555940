#include "table/c_table.h"

#include "common/utf8.h"
#include "table/message_bytes.h"

#include <cstdio>

namespace vorlix {

namespace {

std::string hexByte(std::uint8_t value) {
    char text[8];
    std::snprintf(text, sizeof text, "0x%02X", static_cast<unsigned>(value));
    return text;
}

std::string escape(char32_t c) {
    switch (c) {
    case U'\t':
        return "\\t";
    case U'\r':
        return "\\r";
    case U'\n':
        return "\\n";
    default:
        break;
    }
    char text[16];
    if (c < 0x20 || c == 0x7F) {
        std::snprintf(text, sizeof text, "\\x%02X", static_cast<unsigned>(c));
    } else if (c <= 0xFFFF) {
        std::snprintf(text, sizeof text, "\\u%04X", static_cast<unsigned>(c));
    } else {
        std::snprintf(text, sizeof text, "\\U%08X", static_cast<unsigned>(c));
    }
    return text;
}

std::string rowNote(const CharacterBytes& entry) {
    if (entry.record == nullptr) {
        return " not in the library";
    }
    std::string columns;
    int count = 0;
    for (std::size_t c = 0; c < entry.columns.size(); ++c) {
        if (!entry.columns[c]) {
            columns += (count++ == 0 ? " " : ", ") + std::to_string(c + 1);
        }
    }
    if (count == 0) {
        return {};
    }
    return count == 1 ? " (column" + columns + " is no byte)"
                      : " (columns" + columns + " are no bytes)";
}

} // namespace

std::string commentQuoted(std::u32string_view text, char quote) {
    std::string out(1, quote);
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char32_t c = text[i];
        const char32_t next = i + 1 < text.size() ? text[i + 1] : 0;
        if (c == U'\\' || c == static_cast<char32_t>(quote)) {
            out += '\\';
            out += static_cast<char>(c);
        } else if (c < 0x20 || c >= 0x7F) {
            out += escape(c);
        } else {
            out += static_cast<char>(c);
            if ((c == U'*' && next == U'/') || (c == U'/' && next == U'*')) {
                out += '\\';
            }
        }
    }
    out += quote;
    return out;
}

std::string cTable(std::string_view message, bool blank, const FontTable& table) {
    const std::vector<CharacterBytes> characters = messageBytes(message, table);
    const std::string columns = std::to_string(characters.size() * (blank ? 6 : 5));

    std::string text = "/* " + commentQuoted(toCodePoints(message), '"') + " - " + columns +
                       " columns */\nconst unsigned char vorlix_table[" + columns + "] = {\n";
    for (const CharacterBytes& entry : characters) {
        text += "   ";
        for (const auto& column : entry.columns) {
            text += ' ' + hexByte(column.value_or(0)) + ',';
        }
        if (blank) {
            text += " 0xFF,";
        }
        text += " /* " + commentQuoted(std::u32string_view(&entry.character, 1), '\'') +
                rowNote(entry) + " */\n";
    }
    return text + "};\n";
}

} // namespace vorlix
