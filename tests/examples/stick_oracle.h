#pragma once
// The simulator tests' oracle: the glyphs read straight from a library of plain
// lines, as the starter is ("c","&Hxx",... five columns, a 0 bit lit, the top
// row the most significant bit), apart from the table code on purpose; and
// the port's byte in the middle of each column, from the simulator's log.

#include <algorithm>
#include <array>
#include <cstdio>
#include <fstream>
#include <map>
#include <string>
#include <vector>

using Writes = std::vector<std::pair<double, unsigned>>; // cycle and byte of each port write

inline std::vector<std::array<unsigned, 5>> glyphsOf(const char* library, const char* text) {
    std::map<char, std::array<unsigned, 5>> glyphs;
    std::ifstream in(library);
    for (std::string line; std::getline(in, line);) {
        std::array<unsigned, 5> c{};
        if (std::sscanf(line.c_str(), R"("%*c","&H%x","&H%x","&H%x","&H%x","&H%x")", &c[0], &c[1],
                        &c[2], &c[3], &c[4]) == 5)
            glyphs.emplace(line[1], c);
    }
    std::vector<std::array<unsigned, 5>> columns;
    for (; *text; ++text)
        columns.push_back(glyphs.at(*text));
    return columns;
}

// What the ATmega328P example draws for a text through its proportional
// font: each glyph's lit columns (a space's 3 dark), gap dark columns
// between characters, and the dark column after the text; a 1 bit lit.
inline std::vector<unsigned> textColumns(const std::vector<std::array<unsigned, 5>>& glyphs,
                                         int gap) {
    std::vector<unsigned> columns;
    for (size_t i = 0; i < glyphs.size(); ++i) {
        auto lit = [](unsigned byte) { return byte != 0xFF; };
        auto from = std::find_if(glyphs[i].begin(), glyphs[i].end(), lit);
        auto to = std::find_if(glyphs[i].rbegin(), glyphs[i].rend(), lit).base();
        for (auto column = from; column < to; ++column)
            columns.push_back(~*column & 0xFF);
        columns.insert(columns.end(),
                       (from == glyphs[i].end() ? 3 : 0) + (i + 1 < glyphs.size() ? gap : 1), 0);
    }
    return columns;
}

// The bytes the port held at from + (k + 1/2) * step, k = 0 .. count - 1.
inline std::vector<unsigned> sampled(const Writes& writes, double from, double step, size_t count) {
    std::vector<unsigned> bytes;
    for (size_t k = 0; k < count; ++k)
        bytes.push_back(std::prev(std::upper_bound(writes.begin(), writes.end(),
                                                   std::pair(from + (k + 0.5) * step, ~0u)))
                            ->second);
    return bytes;
}

inline bool same(const std::vector<unsigned>& shown, const std::vector<unsigned>& expected) {
    for (const auto* bytes : {&shown, &expected}) {
        std::fprintf(stderr, bytes == &shown ? "shown:   " : "library: ");
        for (unsigned byte : *bytes)
            std::fprintf(stderr, " %02X", byte);
        std::fprintf(stderr, "\n");
    }
    return shown == expected;
}
