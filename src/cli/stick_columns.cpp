#include "cli/stick_columns.h"

#include "cli/message_bytes.h"

namespace vorlix::cli {

Dots columnDots(std::uint8_t byte, DotEncoding encoding) {
    Dots dots{};
    for (int row = 0; row < 8; ++row) {
        const int bit = encoding.swapMsb ? row : 7 - row;
        dots[row] = ((byte >> bit) & 1) == (encoding.invert ? 1 : 0);
    }
    return dots;
}

std::vector<Dots> stickColumns(std::string_view message, bool blank, const FontTable& table,
                               DotEncoding encoding) {
    std::vector<Dots> columns;
    for (const CharacterBytes& entry : messageBytes(message, table)) {
        for (const auto& byte : entry.columns) {
            columns.push_back(byte ? columnDots(*byte, encoding) : Dots{});
        }
        if (blank) {
            columns.push_back(Dots{});
        }
    }
    return columns;
}

} // namespace vorlix::cli
