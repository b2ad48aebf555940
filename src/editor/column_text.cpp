#include "editor/column_text.h"

#include <charconv>

namespace vorlix {

std::string hexText(std::uint32_t value) {
    static constexpr char digits[] = "0123456789ABCDEF";
    std::string reversed;
    do {
        reversed.push_back(digits[value & 0xF]);
        value >>= 4;
    } while (value != 0);
    return "&H" + std::string(reversed.rbegin(), reversed.rend());
}

std::optional<std::uint32_t> hexTextValue(std::string_view text) {
    if (text.size() < 3 || text.size() > 10 || text[0] != '&' ||
        (text[1] != 'H' && text[1] != 'h')) {
        return std::nullopt;
    }
    const std::string_view digits = text.substr(2);
    std::uint32_t value = 0;
    const auto [end, error] =
        std::from_chars(digits.data(), digits.data() + digits.size(), value, 16);
    if (error != std::errc{} || end != digits.data() + digits.size()) {
        return std::nullopt;
    }
    return value;
}

std::optional<ColumnByte> columnByte(std::string_view text) {
    if (text.size() > 4) {
        return std::nullopt;
    }
    const auto value = hexTextValue(text);
    return value ? std::optional<ColumnByte>(static_cast<ColumnByte>(*value)) : std::nullopt;
}

} // namespace vorlix
