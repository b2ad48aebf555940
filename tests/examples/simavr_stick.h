#pragma once
// The ATmega328P example on simavr: an index pulse on PB0 (ICP1) once a
// revolution, and every write to the LEDs' two ports logged with its cycle
// as the byte the eight LEDs show (PD2-PD7 bits 2-7, PC0-PC1 bits 0-1).

#include "stick_oracle.h"

#include <simavr/avr_ioport.h>
#include <simavr/sim_avr.h>
#include <simavr/sim_elf.h>

struct SimStick {
    avr_t* avr = nullptr;
    Writes writes;
    unsigned portD = 0, portC = 0;
    avr_irq_t* sensor = nullptr;
    avr_irq_t* portDIrq = nullptr;
    avr_cycle_count_t period;
    avr_cycle_count_t base = 0; // the cycle of the first index pulse

    SimStick(const char* elf, avr_cycle_count_t cyclesPerRevolution) : period(cyclesPerRevolution) {
        elf_firmware_t firmware{};
        elf_read_firmware(elf, &firmware);
        firmware.frequency = 16000000;
        avr = avr_make_mcu_by_name("atmega328p");
        avr_init(avr);
        avr_load_firmware(avr, &firmware);
        for (char port : {'D', 'C'}) {
            avr_irq_t* irq = avr_io_getirq(avr, AVR_IOCTL_IOPORT_GETIRQ(port), IOPORT_IRQ_REG_PORT);
            portDIrq = portDIrq ? portDIrq : irq;
            irq->flags &= ~IRQ_FLAG_FILTERED; // every write, not only the changes: columns repeat
            avr_irq_register_notify(
                irq,
                [](avr_irq_t* irq, uint32_t byte, void* self) {
                    static_cast<SimStick*>(self)->logged(irq, byte);
                },
                this);
        }
        sensor = avr_io_getirq(avr, AVR_IOCTL_IOPORT_GETIRQ('B'), IOPORT_IRQ_PIN0);
        restart();
    }

    // avr_reset keeps the EEPROM, as a power cycle does.
    void reset() {
        avr_reset(avr);
        restart();
    }

    // Runs on, pulling the sensor low for 100 cycles at each revolution's start.
    void runUntil(avr_cycle_count_t cycle) {
        while (avr->cycle < cycle) {
            const avr_cycle_count_t next = std::min(cycle, (avr->cycle / 100 + 1) * 100);
            while (avr->cycle < next)
                avr_run(avr);
            avr_raise_irq(sensor, avr->cycle < base || (avr->cycle - base) % period >= 100);
        }
    }

    // The start of the first revolution that starts at or after cycle.
    avr_cycle_count_t pulseFrom(avr_cycle_count_t cycle) const {
        return base + (cycle <= base ? 0 : (cycle - base + period - 1) / period * period);
    }

    // What the LEDs show in the revolution from pulse: columns, each step
    // cycles wide, evenly over sharePercent of it, and a dark one after.
    std::vector<unsigned> shown(avr_cycle_count_t pulse, double sharePercent, size_t columns) {
        runUntil(pulse + period);
        return sampled(writes, double(pulse), sharePercent / 100 * period / columns, columns + 1);
    }

private:
    void restart() {
        portD = portC = 0;
        writes = {{double(avr->cycle), 0}};
        base = (avr->cycle / 100 + 1) * 100;
    }
    void logged(avr_irq_t* irq, uint32_t byte) {
        (irq == portDIrq ? portD : portC) = byte;
        writes.emplace_back(double(avr->cycle), (portD & 0xFC) | (portC & 0x03));
    }
};
