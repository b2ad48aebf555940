// Runs the ATmega328P example on simavr at two speeds with its EEPROM empty,
// and checks the fourth revolution: the built-in text's glyphs (a 1 bit lit,
// dark columns cut off each side, a space 3 wide, GAP dark columns between
// characters), spread evenly over SHARE_PERCENT of the circle at either speed.
// usage: simavr_stick_check ELF LIBRARY TEXT SHARE_PERCENT GAP
#include "simavr_stick.h"

#include <cstdlib>

int main(int argc, char** argv) {
    if (argc < 6)
        return 2;
    if (!std::ifstream(argv[1]))
        return std::printf("Skipped: no %s: vorlix-table writes no font tables\n", argv[1]), 77;
    const auto glyphs = glyphsOf(argv[2], argv[3]);
    std::vector<unsigned> expected;
    for (size_t i = 0; i < glyphs.size(); ++i) {
        auto lit = [](unsigned byte) { return byte != 0xFF; };
        auto from = std::find_if(glyphs[i].begin(), glyphs[i].end(), lit);
        auto to = std::find_if(glyphs[i].rbegin(), glyphs[i].rend(), lit).base();
        for (auto column = from; column < to; ++column)
            expected.push_back(~*column & 0xFF);
        const int gap = i + 1 < glyphs.size() ? std::atoi(argv[5]) : 1; // or dark after the text
        expected.insert(expected.end(), (from == glyphs[i].end() ? 3 : 0) + gap, 0);
    }
    bool ok = true;
    for (avr_cycle_count_t period : {640000, 256000}) { // 25 and 62.5 revolutions a second
        std::fprintf(stderr, "A revolution of %.0f cycles:\n", double(period));
        SimStick stick(argv[1], period);
        ok = same(stick.shown(stick.base + 3 * period, std::atof(argv[4]), expected.size() - 1),
                  expected) &&
             ok;
    }
    return ok ? 0 : 1;
}
