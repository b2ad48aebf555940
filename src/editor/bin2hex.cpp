#include "editor/bin2hex.h"

#include "common/utf8.h"
#include "editor/column_text.h"

namespace vorlix {

std::string BIN2HEX(std::string_view text) {
    std::u32string t = toCodePoints(text);

    const auto first = t.find_first_not_of(U' ');
    if (first == std::u32string::npos) {
        t.clear();
    } else {
        t = t.substr(first, t.find_last_not_of(U' ') - first + 1);
    }
    for (char32_t& c : t) {
        if (c >= U'a' && c <= U'z') {
            c -= U'a' - U'A';
        }
    }
    if (t.starts_with(U"&B")) {
        t.erase(0, 2);
    }
    std::erase(t, U' ');

    // Only the rightmost 32 characters count; shorter texts are zero-padded.
    const std::size_t start = t.size() > 32 ? t.size() - 32 : 0;
    std::uint32_t value = 0;
    for (std::size_t i = start; i < t.size(); ++i) {
        value = (value << 1) | (t[i] == U'1' ? 1u : 0u);
    }
    return hexText(value);
}

} // namespace vorlix
