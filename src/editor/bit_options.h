#pragma once
// How the dots of a column become the bits of its byte: the editor's two
// options. Every reading and writing of column bytes goes by this one type.

namespace vorlix {

struct BitOptions {
    bool invert = false;  // "Invert Bits": a lit dot is a 1 bit (by default a 0 bit)
    bool swapMsb = false; // "Swap MSB/ LSB": the bottom row is the most significant bit

    int litBit() const { return invert ? 1 : 0; }  // LitBit
    int darkBit() const { return invert ? 0 : 1; } // DarkBit
    // The bit of the byte that row (0 at the top) stands for.
    int bitOfRow(int row) const { return swapMsb ? row : 7 - row; }

    bool operator==(const BitOptions&) const = default;
};

} // namespace vorlix
