#include "editor/column_encoding.h"

#include "editor/bin2hex.h"

namespace vorlix {

std::array<ColumnTexts, gridColumns> encodeColumns(const PixelStates& pixels, bool swapMsb,
                                                   BitValues bits) {
    std::array<ColumnTexts, gridColumns> columns;
    for (int c = 0; c < gridColumns; ++c) {
        std::string binary(gridRows, '0');
        for (int r = 0; r < gridRows; ++r) {
            const bool lit = pixels[c * gridRows + r];
            const int position = swapMsb ? gridRows - 1 - r : r;
            binary[position] = (lit ? bits.lit : bits.dark) != 0 ? '1' : '0';
        }
        std::string hex = BIN2HEX(binary);
        const unsigned long value = std::stoul(hex.substr(2), nullptr, 16);
        columns[c] = {std::move(binary), std::move(hex), std::to_string(value)};
    }
    return columns;
}

} // namespace vorlix
