// Runs the ATmega328P example on simavr at two speeds, an index pulse on PB0
// (ICP1) once a revolution, logs every write to PORTD with its cycle, and
// checks the fourth revolution: the text's glyphs (a 1 bit lit, dark columns
// cut off each side, a space 3 wide, GAP dark columns between characters),
// spread evenly over SHARE_PERCENT of the circle at either speed.
// usage: simavr_stick_check ELF LIBRARY TEXT SHARE_PERCENT GAP
#include "stick_oracle.h"

#include <simavr/avr_ioport.h>
#include <simavr/sim_avr.h>
#include <simavr/sim_elf.h>

#include <cstdlib>

static Writes simulate(const char* elf, avr_cycle_count_t period) {
    elf_firmware_t firmware{};
    elf_read_firmware(elf, &firmware);
    firmware.frequency = 16000000;
    static avr_t* avr; // for the write log
    static Writes writes;
    avr = avr_make_mcu_by_name("atmega328p");
    writes = {{-1, 0}}; // PORTD from reset
    avr_init(avr);
    avr_load_firmware(avr, &firmware);
    avr_irq_t* portD = avr_io_getirq(avr, AVR_IOCTL_IOPORT_GETIRQ('D'), IOPORT_IRQ_REG_PORT);
    portD->flags &= ~IRQ_FLAG_FILTERED; // every write, not only the changes: columns may repeat
    avr_irq_register_notify(
        portD, [](avr_irq_t*, uint32_t byte, void*) { writes.emplace_back(avr->cycle, byte); },
        nullptr);
    avr_irq_t* sensor = avr_io_getirq(avr, AVR_IOCTL_IOPORT_GETIRQ('B'), IOPORT_IRQ_PIN0);
    for (avr_cycle_count_t cycle = 0; cycle < 5 * period; cycle += 100) { // low 100 cycles a turn
        while (avr->cycle < cycle)
            avr_run(avr);
        avr_raise_irq(sensor, cycle % period != 0);
    }
    return writes;
}

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
        const double step = std::atof(argv[4]) / 100 * period / (expected.size() - 1);
        ok =
            same(sampled(simulate(argv[1], period), 3 * period, step, expected.size()), expected) &&
            ok;
    }
    return ok ? 0 : 1;
}
