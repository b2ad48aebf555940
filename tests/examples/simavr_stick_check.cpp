// Runs the ATmega328P example in simavr at two speeds, an index pulse on PB0
// every `period` cycles, records each write of PORTD with its cycle, and
// checks the fourth revolution (the firmware times the second and draws from
// the third): the text's columns, drawn through the font as the library has
// them, evenly spaced, and over SHARE_PERCENT of the circle at either speed.
// usage: simavr_stick_check ELF LIBRARY TEXT SHARE_PERCENT GAP
#include "stick_glyphs.h"

#include <simavr/avr_ioport.h>
#include <simavr/sim_avr.h>
#include <simavr/sim_elf.h>

#include <cmath>
#include <cstdlib>

struct Run {
    avr_t* avr;
    std::vector<std::pair<avr_cycle_count_t, unsigned>> writes; // cycle, PORTD
};

static Run simulate(const char* elf, avr_cycle_count_t period) {
    elf_firmware_t firmware{};
    if (elf_read_firmware(elf, &firmware) != 0)
        std::exit((std::fprintf(stderr, "cannot read %s\n", elf), 1));
    Run run{avr_make_mcu_by_name("atmega328p"), {}};
    avr_init(run.avr);
    firmware.frequency = 16000000;
    avr_load_firmware(run.avr, &firmware);
    avr_irq_t* portD = avr_io_getirq(run.avr, AVR_IOCTL_IOPORT_GETIRQ('D'), IOPORT_IRQ_REG_PORT);
    portD->flags &= ~IRQ_FLAG_FILTERED; // every write, not only the changes: columns may repeat
    avr_irq_register_notify(
        portD,
        [](avr_irq_t*, uint32_t byte, void* param) {
            auto* run = static_cast<Run*>(param);
            run->writes.emplace_back(run->avr->cycle, byte);
        },
        &run);
    avr_irq_t* sensor = avr_io_getirq(run.avr, AVR_IOCTL_IOPORT_GETIRQ('B'), IOPORT_IRQ_PIN0);
    auto runUntil = [&](avr_cycle_count_t cycle, int level) {
        while (run.avr->cycle < cycle)
            avr_run(run.avr);
        avr_raise_irq(sensor, level);
    };
    runUntil(0, 1);
    for (avr_cycle_count_t r = 1; r <= 4; ++r) // low for 100 cycles once a revolution
        runUntil(r * period, 0), runUntil(r * period + 100, 1);
    runUntil(5 * period, 1);
    return run;
}

int main(int argc, char** argv) {
    if (argc < 6)
        return 2;
    if (!std::ifstream(argv[1]))
        return std::printf("Skipped: no %s; vorlix-table has no font tables yet (--font)\n",
                           argv[1]),
               77;
    const double share = std::atof(argv[4]) / 100;
    const Glyphs glyphs = readGlyphs(argv[2]);
    std::vector<unsigned> expected; // a 1 bit lit (--invert), dark columns cut off each side
    for (const char* c = argv[3]; *c; ++c) {
        std::vector<unsigned> columns;
        for (unsigned byte : glyphs.count(*c) ? glyphs.at(*c) : glyphs.at(' '))
            columns.push_back(~byte & 0xFF);
        while (!columns.empty() && columns.back() == 0)
            columns.pop_back();
        auto lit = columns.begin();
        while (lit != columns.end() && *lit == 0)
            ++lit;
        expected.insert(expected.end(), lit, columns.end());
        expected.insert(expected.end(), lit == columns.end() ? 3 : 0, 0); // a space is 3 wide
        const int after = c[1] ? std::atoi(argv[5]) : 1; // the gap, or dark after the text
        expected.insert(expected.end(), after, 0);
    }

    bool ok = true;
    for (avr_cycle_count_t period : {640000ull, 256000ull}) { // 25 and 62.5 revolutions a second
        const Run run = simulate(argv[1], period);
        std::vector<unsigned> shown;
        std::vector<avr_cycle_count_t> at;
        for (auto [cycle, byte] : run.writes)
            if (cycle >= 3 * period && cycle < 4 * period)
                shown.push_back(byte), at.push_back(cycle);
        const std::string when = "a revolution of " + std::to_string(period) + " cycles";
        ok = sameColumns(shown, expected, when) && ok;
        if (at.empty())
            continue;
        // Column k (k = n is the dark after the text) lights at k * span / n after
        // the pulse, to two timer counts; the first may wait 20 us for the interrupt.
        const avr_cycle_count_t pulse = 3 * period;
        const double covered = double(at.back() - pulse) / period,
                     column = covered * period / (at.size() - 1);
        std::printf("%s: the text covers %.2f%% of the circle\n", when.c_str(), 100 * covered);
        ok = std::abs(covered - share) < 0.001 && ok;
        for (size_t k = 0; k < at.size(); ++k)
            if (std::abs(double(at[k] - pulse) - k * column) > (k ? 128 : 320))
                ok = false, std::fprintf(stderr, "%s: column %zu lit at %.0f cycles, not %.0f\n",
                                         when.c_str(), k, double(at[k] - pulse), k * column);
    }
    return ok ? 0 : 1;
}
