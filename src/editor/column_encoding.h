#pragma once
// The encoding of the 5x8 editing grid into its column texts.

#include <array>
#include <string>

namespace vorlix {

constexpr int gridColumns = 5;
constexpr int gridRows = 8;
constexpr int gridPixels = gridColumns * gridRows;

// Pixel k (1-based) sits in column (k-1)/8 and row (k-1)%8; index 0 here is
// pixel 1, the top-left one, and each column runs top to bottom.
using PixelStates = std::array<bool, gridPixels>; // true = lit

struct ColumnTexts {
    std::string binary; // 8 digits, most significant first
    std::string hex;    // "&H" form, as BIN2HEX writes it
    std::string decimal;

    bool operator==(const ColumnTexts&) const = default;
};

struct BitValues {
    int lit = 0;  // LitBit
    int dark = 1; // DarkBit
};

// Encodes every column. With swapMsb the bottom row is the most significant
// bit, otherwise the top row is.
std::array<ColumnTexts, gridColumns> encodeColumns(const PixelStates& pixels, bool swapMsb,
                                                   BitValues bits);

} // namespace vorlix
