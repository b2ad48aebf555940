// Runs the ATmega328P example on simavr at two speeds with its EEPROM empty,
// and checks the fourth revolution: the built-in text's glyphs (textColumns),
// spread evenly over SHARE_PERCENT of the circle at either speed.
// usage: simavr_stick_check ELF LIBRARY TEXT SHARE_PERCENT GAP
#include "simavr_stick.h"

#include <cstdlib>

int main(int argc, char** argv) {
    if (argc < 6)
        return 2;
    if (!std::ifstream(argv[1]))
        return std::printf("Skipped: no %s: vorlix-table writes no font tables\n", argv[1]), 77;
    const std::vector<unsigned> expected =
        textColumns(glyphsOf(argv[2], argv[3]), std::atoi(argv[5]));
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
