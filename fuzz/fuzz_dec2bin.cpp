// DEC2BIN on any text and places: either nothing with the fields untouched,
// or a text of binary digits with at most one point, at most places fraction
// digits, at least eight characters, whose first eight set the fields.

#include "library/converter.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 3) {
        return 0;
    }
    const auto places = static_cast<std::int16_t>(data[0] | (data[1] << 8));
    vorlix::BINREC before;
    for (int k = 0; k < 8; ++k) {
        before.Bit[k] = static_cast<std::uint8_t>((data[2] >> k) & 1);
    }
    const std::string value(reinterpret_cast<const char*>(data + 3), size - 3);
    const vorlix::Dec2BinResult result = vorlix::DEC2BIN(value, places, before);

    const auto number = vorlix::numberValue(value);
    if (result.text.empty()) {
        if (result.digits != before || (number && std::log2(*number) < 30.49)) {
            std::abort();
        }
        return 0;
    }
    if (!number || result.text.size() < 8) {
        std::abort();
    }
    const auto point = result.text.find('.');
    if (result.text.find_first_not_of("01.") != std::string::npos ||
        (point != std::string::npos &&
         (result.text.find('.', point + 1) != std::string::npos ||
          static_cast<int>(result.text.size() - point - 1) > places))) {
        std::abort();
    }
    for (int k = 0; k < 8; ++k) {
        const char c = result.text[k];
        const std::uint8_t expected =
            c == '.' ? before.Bit[7 - k] : static_cast<std::uint8_t>(c - '0');
        if (result.digits.Bit[7 - k] != expected) {
            std::abort();
        }
    }
    // Whole values below 256 give exactly their eight bits.
    if (*number < 256 && *number == std::floor(*number)) {
        const auto byte = static_cast<unsigned>(*number);
        for (int k = 0; k < 8; ++k) {
            if (result.text.size() != 8 || result.digits.Bit[k] != ((byte >> k) & 1)) {
                std::abort();
            }
        }
    }
    return 0;
}
