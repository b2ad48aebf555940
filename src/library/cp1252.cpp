#include "library/cp1252.h"

#include "common/utf8.h"

#include <algorithm>
#include <array>

namespace vorlix {

namespace {

// Code points of the bytes 0x80 to 0x9F; the rest of 1252 is Latin-1.
constexpr std::array<char32_t, 32> high = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

std::optional<char> encode(char32_t cp) {
    if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) {
        return static_cast<char>(cp);
    }
    for (std::size_t i = 0; i < high.size(); ++i) {
        if (high[i] == cp) {
            return static_cast<char>(0x80 + i);
        }
    }
    return std::nullopt;
}

} // namespace

bool isUndefinedIn1252(char32_t c) {
    return c >= 0x80 && c < 0xA0 && high[c - 0x80] == c;
}

std::vector<char32_t> printableCp1252() {
    std::vector<char32_t> characters;
    for (int byte = 0x20; byte <= 0xFF; ++byte) {
        const char32_t c = byte < 0x80   ? char32_t(byte)
                           : byte < 0xA0 ? high[byte - 0x80]
                                         : char32_t(byte);
        if (byte != 0x7F && !isUndefinedIn1252(c)) {
            characters.push_back(c);
        }
    }
    return characters;
}

std::string cp1252ToUtf8(std::string_view bytes) {
    if (std::all_of(bytes.begin(), bytes.end(), [](char c) { return (c & 0x80) == 0; })) {
        return std::string(bytes);
    }
    std::string out;
    out.reserve(bytes.size());
    for (const char byte : bytes) {
        const auto b = static_cast<unsigned char>(byte);
        if (b < 0x80) {
            out.push_back(byte);
        } else {
            appendUtf8(out, b < 0xA0 ? high[b - 0x80] : char32_t{b});
        }
    }
    return out;
}

std::optional<std::string> utf8ToCp1252(std::string_view utf8) {
    if (std::all_of(utf8.begin(), utf8.end(), [](char c) { return (c & 0x80) == 0; })) {
        return std::string(utf8);
    }
    std::string out;
    out.reserve(utf8.size());
    for (const char32_t cp : toCodePoints(utf8)) {
        const auto byte = encode(cp);
        if (!byte) {
            return std::nullopt;
        }
        out.push_back(*byte);
    }
    return out;
}

} // namespace vorlix
