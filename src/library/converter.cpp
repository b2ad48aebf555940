#include "library/converter.h"

#include "editor/column_text.h"

#include <charconv>
#include <cmath>

namespace vorlix {

namespace {

std::string_view trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

std::optional<double> decimalValue(std::string_view text) {
    const auto point = text.find('.');
    const std::string_view whole = text.substr(0, point);
    const std::string_view fraction =
        point == std::string_view::npos ? std::string_view{} : text.substr(point + 1);
    const auto allDigits = [](std::string_view s) {
        for (const char c : s) {
            if (!isDigit(c)) {
                return false;
            }
        }
        return true;
    };
    if (whole.size() + fraction.size() == 0 || !allDigits(whole) || !allDigits(fraction)) {
        return std::nullopt;
    }
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc{} || end != text.data() + text.size()) {
        return std::nullopt;
    }
    return value;
}

} // namespace

std::optional<double> numberValue(std::string_view text) {
    text = trimmed(text);
    if (text.size() >= 2 && text[0] == '&' && (text[1] == 'H' || text[1] == 'h')) {
        const auto value = hexTextValue(text);
        return value ? std::optional<double>(*value) : std::nullopt;
    }
    return decimalValue(text);
}

Dec2BinResult DEC2BIN(std::string_view value, std::int16_t places, BINREC digits) {
    const auto number = numberValue(value);
    if (!number) {
        return {{}, digits};
    }
    double x = *number;
    // The highest position tried is log2 rounded to nearest, ties to even.
    const int n = x == 0 ? 0 : static_cast<int>(std::nearbyint(std::log(x) / std::log(2.0)));
    if (n > 30) {
        return {{}, digits};
    }
    auto whole = static_cast<std::int32_t>(std::nearbyint(x));
    if (whole > x) {
        --whole;
    }

    std::string text;
    bool written = false;
    for (int i = n; i >= 0; --i) {
        const std::int32_t p = std::int32_t{1} << i;
        if ((whole & p) != 0) {
            text += '1';
            whole -= p;
            x -= p;
            written = true;
        } else if (written) {
            text += '0';
        }
    }
    if (text.empty()) {
        text.push_back('0');
    }
    if (x > 0 && places > 0) {
        text += '.';
        while (x > 0 && places > 0) {
            x *= 2;
            if (std::floor(x) == 1) {
                text += '1';
                x -= 1;
            } else {
                text += '0';
            }
            --places;
        }
    }
    if (text.size() < 8) {
        text.insert(0, 8 - text.size(), '0');
    }
    for (int k = 0; k < 8; ++k) {
        if (text[k] == '0' || text[k] == '1') {
            digits.Bit[7 - k] = static_cast<std::uint8_t>(text[k] - '0');
        }
    }
    return {text, digits};
}

} // namespace vorlix
