#include "library/character_name.h"

#include "common/utf8.h"

#include <cstdio>

namespace vorlix {

namespace {

// A surrogate is no character: written out, it would show as U+FFFD.
bool shows(char32_t c) {
    return c >= 0x20 && c != 0x7F && !(c >= 0x80 && c < 0xA0) && !(c >= 0xD800 && c < 0xE000);
}

std::string codePoint(char32_t c) {
    char text[16];
    std::snprintf(text, sizeof text, "U+%04X", static_cast<unsigned>(c));
    return text;
}

} // namespace

std::string characterName(char32_t character) {
    if (!shows(character)) {
        return codePoint(character);
    }
    std::string name = "'";
    appendUtf8(name, character);
    return name + "' (" + codePoint(character) + ")";
}

std::string quotedText(std::string_view utf8) {
    std::string name = "\"";
    for (const char32_t c : toCodePoints(utf8)) {
        if (shows(c)) {
            appendUtf8(name, c);
        } else {
            name += "<" + codePoint(c) + ">";
        }
    }
    return name + "\"";
}

std::string fieldName(std::string_view utf8) {
    const std::u32string characters = toCodePoints(utf8);
    return characters.size() == 1 ? characterName(characters[0]) : quotedText(utf8);
}

namespace {

// A report names ten at most: thousands of names help nobody.
constexpr std::size_t named = 10;

template <typename Item, typename Name>
std::string someNames(const std::vector<Item>& items, Name name) {
    std::string names;
    for (std::size_t k = 0; k < items.size() && k < named; ++k) {
        names += (k == 0 ? "" : ", ") + name(items[k]);
    }
    return items.size() <= named ? names
                                 : std::to_string(items.size()) + " characters, the first " +
                                       std::to_string(named) + ": " + names;
}

} // namespace

std::string characterNames(const std::vector<char32_t>& characters) {
    return someNames(characters, characterName);
}

std::string fieldNames(const std::vector<std::string>& fields) {
    return someNames(fields, [](const std::string& field) { return fieldName(field); });
}

} // namespace vorlix
