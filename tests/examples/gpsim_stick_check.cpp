// Runs the PIC16F84A example in gpsim (as the p16f84, its predecessor with the
// same core and memory) with an index pulse on RA4 every `period` cycles, and
// checks from gpsim's log of the writes to PORTB what the LEDs show after
// each pulse: the message's columns, COLUMN_US cycles each (1 us at 4 MHz),
// then dark until the next pulse.
// usage: gpsim_stick_check GPSIM HEX LIBRARY MESSAGE COLUMN_US [PICTURE.png]
#include "stick_glyphs.h"

#include "render/render.h"

#include <cstdlib>

int main(int argc, char** argv) {
    if (argc < 6)
        return 2;
    const long long first = 1000, period = 20000, revolutions = 2, columnUs = std::atoll(argv[5]);
    std::ofstream("stick.stc")
        << "processor p16f84\nload " << argv[2] << "\n"
        << "stimulus asynchronous_stimulus\ninitial_state 1\nstart_cycle 0\nperiod " << period
        << "\n{ " << first << ", 0, " << first + 100 << ", 1 }\nname sensor\nend\n"
        << "node index_node\nattach index_node sensor porta4\nlog w portb\nlog on portb.log\n"
        << "break c " << first + revolutions * period << "\nrun\nquit\n";
    if (std::system((std::string(argv[1]) + " -i -c stick.stc > gpsim.out 2>&1").c_str()) != 0)
        return std::fprintf(stderr, "gpsim failed, see gpsim.out\n"), 1;

    std::vector<std::pair<long long, unsigned>> writes; // cycle, byte
    std::ifstream log("portb.log");
    long long cycle = 0;
    for (std::string line; std::getline(log, line);) {
        unsigned byte = 0;
        if (line.rfind("0x", 0) == 0)
            cycle = std::stoll(line, nullptr, 16);
        else if (line.find(" to portb") != std::string::npos &&
                 std::sscanf(line.c_str(), " Wrote: 0x%x", &byte) == 1)
            writes.emplace_back(cycle, byte);
    }

    const Glyphs glyphs = readGlyphs(argv[3]);
    std::vector<unsigned> expected;
    for (const char* c = argv[4]; *c; ++c)
        expected.insert(expected.end(), glyphs.at(*c).begin(), glyphs.at(*c).end());
    expected.push_back(0xFF); // dark until the next pulse

    bool ok = true;
    for (long long r = -1; r < revolutions; ++r) { // -1: before the first pulse
        const long long start = r < 0 ? 0 : first + r * period, end = first + (r + 1) * period;
        std::vector<unsigned> shown;
        long long last = -1;
        for (auto [at, byte] : writes) {
            if (at < start || at >= end)
                continue;
            const bool onTime = last < 0 ? at - start <= 20 : at - last == columnUs;
            if (r >= 0 && !onTime)
                ok = false, std::fprintf(stderr, "revolution %lld: column %zu came at cycle %lld\n",
                                         r, shown.size(), at);
            last = at;
            shown.push_back(byte);
        }
        if (!sameColumns(shown, r < 0 ? std::vector<unsigned>{0xFF} : expected,
                         "revolution " + std::to_string(r)))
            ok = false;
        if (r == 0 && argc > 6 &&
            shown.size() > 1) { // the picture: a low pin is a lit LED, RB7 the top row
            std::vector<vorlix::ColumnDots> dots(shown.size() - 1);
            for (size_t i = 0; i < dots.size(); ++i)
                for (int row = 0; row < 8; ++row)
                    dots[i][row] = !(shown[i] >> (7 - row) & 1);
            ok = vorlix::renderStraight(dots).save(argv[6]) && ok;
        }
    }
    return ok ? 0 : 1;
}
