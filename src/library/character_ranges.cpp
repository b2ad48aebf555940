#include "library/character_ranges.h"

#include <cctype>
#include <charconv>
#include <string>

namespace vorlix {

namespace {

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.front()))) {
        text.remove_prefix(1);
    }
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.back()))) {
        text.remove_suffix(1);
    }
    return text;
}

std::optional<char32_t> codePoint(std::string_view part) {
    part = trimmed(part);
    int base = 10;
    if (part.size() > 2 && part[0] == '0' && (part[1] == 'x' || part[1] == 'X')) {
        part.remove_prefix(2);
        base = 16;
    }
    unsigned long value = 0;
    const auto [end, error] = std::from_chars(part.data(), part.data() + part.size(), value, base);
    const bool surrogate = value >= 0xD800 && value <= 0xDFFF; // no character
    if (part.empty() || error != std::errc{} || end != part.data() + part.size() ||
        value > 0x10FFFF || surrogate) {
        return std::nullopt;
    }
    return static_cast<char32_t>(value);
}

} // namespace

std::optional<std::vector<char32_t>> characterRanges(std::string_view text) {
    std::vector<char32_t> characters;
    std::size_t start = 0;
    while (start <= text.size()) {
        const std::size_t comma = std::min(text.find(',', start), text.size());
        const std::string_view item = text.substr(start, comma - start);
        const std::size_t dash = item.find('-');
        if (dash != std::string_view::npos && item.find('-', dash + 1) != std::string_view::npos) {
            return std::nullopt;
        }
        const auto first = codePoint(item.substr(0, dash));
        const auto last = dash == std::string_view::npos ? first : codePoint(item.substr(dash + 1));
        if (!first || !last || *first > *last) {
            return std::nullopt;
        }
        for (char32_t c = *first; c <= *last; ++c) {
            characters.push_back(c);
        }
        start = comma + 1;
    }
    return characters;
}

std::string rangesText(const std::u32string& characters) {
    std::string text;
    for (std::size_t k = 0; k < characters.size();) {
        std::size_t end = k + 1;
        while (end < characters.size() && characters[end] == characters[end - 1] + 1) {
            ++end;
        }
        text += (text.empty() ? "" : ",") + std::to_string(characters[k]) +
                (end - k > 1 ? "-" + std::to_string(characters[end - 1]) : "");
        k = end;
    }
    return text;
}

} // namespace vorlix
