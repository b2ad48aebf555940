// Runs the PIC16F84A example in gpsim (pic16f84a.stc) and checks from its log
// of PORTB writes what the LEDs show: dark before each of two index pulses,
// then the message's columns, COLUMN_US cycles each (1 us at 4 MHz), then dark.
// usage: gpsim_stick_check GPSIM SCRIPT LIBRARY MESSAGE COLUMN_US FIRST PERIOD [PICTURE.png]
#include "stick_oracle.h"

#include "render/render.h"

#include <cstdlib>

int main(int argc, char** argv) {
    if (argc < 8 ||
        std::system((std::string(argv[1]) + " -i -c " + argv[2] + " >gpsim.out").c_str()))
        return std::puts("gpsim failed: see gpsim.out"), 1;
    Writes writes{{-1, 0x100}}; // no byte before the first write
    std::ifstream log("portb.log");
    double cycle = 0;
    for (std::string line; std::getline(log, line);) {
        unsigned byte = 0;
        if (line.rfind("0x", 0) == 0)
            cycle = std::stoll(line, nullptr, 16);
        else if (line.find(" to portb") != line.npos &&
                 std::sscanf(line.c_str(), " Wrote: 0x%x", &byte))
            writes.emplace_back(cycle, byte);
    }
    std::vector<unsigned> message, expected, shown;
    for (const auto& glyph : glyphsOf(argv[3], argv[4]))
        message.insert(message.end(), glyph.begin(), glyph.end());
    const double column = std::atof(argv[5]), first = std::atof(argv[6]),
                 period = std::atof(argv[7]);
    for (double pulse : {first, first + period}) {
        for (auto bytes :
             {sampled(writes, pulse - 1, 0, 1), sampled(writes, pulse, column, message.size() + 1)})
            shown.insert(shown.end(), bytes.begin(), bytes.end());
        for (auto bytes : {std::vector<unsigned>{0xFF}, message, std::vector<unsigned>{0xFF}})
            expected.insert(expected.end(), bytes.begin(), bytes.end());
    }
    std::vector<vorlix::ColumnDots> dots(
        message.size()); // for a picture: a low pin lights, RB7 on top
    for (size_t i = 0; i < dots.size(); ++i)
        for (int row = 0; row < 8; ++row)
            dots[i][row] = !(shown[i + 1] >> (7 - row) & 1);
    if (argc > 8)
        vorlix::renderStraight(dots).save(argv[8]);
    return same(shown, expected) ? 0 : 1;
}
