// BIN2HEX on any text gives "&H" and 1 to 8 upper-case hex digits without
// leading zeros, and agrees with reading the last 32 characters as bits.

#include "common/utf8.h"
#include "editor/bin2hex.h"
#include "editor/column_text.h"

#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    const std::string hex = vorlix::BIN2HEX(text);

    if (hex.size() < 3 || hex.size() > 10 || hex.compare(0, 2, "&H") != 0) {
        std::abort();
    }
    for (std::size_t i = 2; i < hex.size(); ++i) {
        const char c = hex[i];
        if (!((c >= '0' && c <= '9') || (c >= 'A' && c <= 'F'))) {
            std::abort();
        }
    }
    if (hex.size() > 3 && hex[2] == '0') {
        std::abort();
    }

    // Without spaces or a prefix, the value is the last 32 characters read
    // as bits, a 1 for each "1".
    if (text.find(' ') == std::string::npos && text.find('&') == std::string::npos) {
        const std::u32string chars = vorlix::toCodePoints(text);
        std::uint32_t value = 0;
        for (std::size_t i = chars.size() > 32 ? chars.size() - 32 : 0; i < chars.size(); ++i) {
            value = (value << 1) | (chars[i] == U'1' ? 1u : 0u);
        }
        if (hex != vorlix::hexText(value)) {
            std::abort();
        }
    }
    return 0;
}
