#pragma once

#include <array>
#include <string>
#include <vector>

namespace vorlix {

// One stored glyph: the character it stands for and its five column texts,
// HEX[0] being HEX1, the leftmost column as stored. Texts are UTF-8; the
// library never interprets the column texts.
struct FONTREC {
    std::string CHAR;
    std::array<std::string, 5> HEX;

    bool operator==(const FONTREC&) const = default;
};

// The font table in file order; record k of the tool is element k-1.
using FontTable = std::vector<FONTREC>;

} // namespace vorlix
