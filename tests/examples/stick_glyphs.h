#pragma once
// What the stick must show, read straight from a library file of plain lines,
// as the starter is: "c","&Hxx","&Hxx","&Hxx","&Hxx","&Hxx" gives character
// c's five columns, a 0 bit lit and the top row the most significant bit.
// Independent of the project's table code on purpose: it is the oracle.

#include <array>
#include <cstdio>
#include <fstream>
#include <map>
#include <string>
#include <vector>

using Glyphs = std::map<char, std::array<unsigned, 5>>;

inline Glyphs readGlyphs(const char* path) {
    Glyphs glyphs;
    std::ifstream in(path);
    for (std::string line; std::getline(in, line);) {
        std::array<unsigned, 5> c{};
        if (line.size() > 3 &&
            std::sscanf(line.c_str() + 3, R"(,"&H%x","&H%x","&H%x","&H%x","&H%x")", &c[0], &c[1],
                        &c[2], &c[3], &c[4]) == 5)
            glyphs.emplace(line[1], c);
    }
    return glyphs;
}

// Whether the stick showed what it should; says what differs if not.
inline bool sameColumns(const std::vector<unsigned>& shown, const std::vector<unsigned>& expected,
                        const std::string& when) {
    if (shown == expected)
        return true;
    std::fprintf(stderr, "%s: the LEDs showed, then should have shown:\n", when.c_str());
    for (const auto* columns : {&shown, &expected}) {
        for (unsigned byte : *columns)
            std::fprintf(stderr, " %02X", byte);
        std::fprintf(stderr, "\n");
    }
    return false;
}
