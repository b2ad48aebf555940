#include "cli/message_bytes.h"

#include "common/utf8.h"
#include "library/library_format.h"

namespace vorlix::cli {

namespace {

std::optional<int> hexDigit(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    return std::nullopt;
}

} // namespace

std::optional<std::uint8_t> columnByte(std::string_view text) {
    if (text.size() < 3 || text.size() > 4 || text[0] != '&' ||
        (text[1] != 'H' && text[1] != 'h')) {
        return std::nullopt;
    }
    int value = 0;
    for (const char c : text.substr(2)) {
        const auto digit = hexDigit(c);
        if (!digit) {
            return std::nullopt;
        }
        value = value * 16 + *digit;
    }
    return static_cast<std::uint8_t>(value);
}

std::vector<CharacterBytes> messageBytes(std::string_view message, const FontTable& table) {
    const std::u32string characters = toCodePoints(message);
    std::vector<CharacterBytes> bytes;
    bytes.reserve(characters.size());
    for (const char32_t cp : characters) {
        CharacterBytes& entry = bytes.emplace_back();
        entry.character = cp;
        const auto index = findRecord(table, toUtf8(std::u32string_view(&cp, 1)));
        if (!index) {
            continue;
        }
        entry.found = true;
        for (std::size_t c = 0; c < entry.columns.size(); ++c) {
            entry.columns[c] = columnByte(table[*index].HEX[c]);
        }
    }
    return bytes;
}

} // namespace vorlix::cli
