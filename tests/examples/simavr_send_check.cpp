// Sends messages to the ATmega328P example with vorlix-table --send, through
// a pseudo-terminal of this run's own wired to the simulated chip's UART, and
// checks what the LEDs draw: after an acknowledgement the new message from the
// next index pulse on, glyph for glyph (five columns a character, a 1 bit
// lit; a text as textColumns); after a fault or a refusal the message before
// it; and the same again after a reset, which keeps the EEPROM. The run goes
// at most as fast as real time, as vorlix-table's timeouts are real ones.
// usage: simavr_send_check ELF LIBRARY VORLIX_TABLE SHARE_PERCENT GAP BAUD
//                          {FAULT EXIT MESSAGE}...
//   FAULT  none; flip: a payload byte of each columns frame flipped on the
//          way; cut: each columns frame cut off after its third payload byte;
//          text: none, the message sent --as-text
//   EXIT   vorlix-table's exit code; a step that fails without a fault on the
//          wire must have sent no columns at all
#include "simavr_stick.h"

#include <simavr/avr_eeprom.h>
#include <simavr/avr_uart.h>

#include <fcntl.h>
#include <pty.h>
#include <spawn.h>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <cstring>
#include <deque>
#include <thread>

extern char** environ;

namespace {

constexpr double hz = 16e6;

// The line between vorlix-table and the UART, with a fault on the way in.
struct Wire {
    SimStick& stick;
    int master = -1, slave = -1;
    char path[128] = {};
    std::string fault = "none";
    // Each byte with a mark: 's' a frame's start, 'p' a payload frame's kind,
    // 'l' its last byte.
    std::deque<std::pair<uint8_t, char>> toDevice;
    avr_cycle_count_t startFed = 0;
    bool xon = true;
    // The frame passing: where in it, its kind and payload length.
    size_t at = 0, length = 0;
    uint8_t kind = 0;
    std::string kinds; // of the frames begun
    // Cycles: the payload frame's first and last byte fed, the UART's fifo
    // empty after that, and the device's first byte out after that.
    avr_cycle_count_t fedFirst = 0, fedLast = 0, inLast = 0, out = 0;

    explicit Wire(SimStick& s) : stick(s) {
        termios raw{};
        cfmakeraw(&raw);
        if (openpty(&master, &slave, path, &raw, nullptr) != 0) {
            std::perror("openpty");
            std::exit(1);
        }
        fcntl(master, F_SETFL, O_NONBLOCK);
        fcntl(master, F_SETFD, FD_CLOEXEC);
        fcntl(slave, F_SETFD, FD_CLOEXEC); // held open: vorlix-table's close hangs nothing up
        avr_t* avr = stick.avr;
        auto irq = [avr](int which) {
            return avr_io_getirq(avr, AVR_IOCTL_UART_GETIRQ('0'), which);
        };
        avr_irq_register_notify(
            irq(UART_IRQ_OUTPUT),
            [](avr_irq_t*, uint32_t byte, void* self) {
                auto* wire = static_cast<Wire*>(self);
                const uint8_t b = uint8_t(byte);
                if (wire->fedLast && !wire->out)
                    wire->out = wire->stick.avr->cycle;
                if (write(wire->master, &b, 1) != 1)
                    std::perror("pty");
            },
            this);
        avr_irq_register_notify(
            irq(UART_IRQ_OUT_XON),
            [](avr_irq_t*, uint32_t, void* self) {
                auto* wire = static_cast<Wire*>(self);
                wire->xon = true;
                if (wire->fedLast && !wire->inLast && wire->toDevice.empty())
                    wire->inLast = wire->stick.avr->cycle;
            },
            this);
        avr_irq_register_notify(
            irq(UART_IRQ_OUT_XOFF),
            [](avr_irq_t*, uint32_t, void* self) { static_cast<Wire*>(self)->xon = false; }, this);
    }

    void pass(uint8_t byte) {
        if (at == 0 && byte != 0xA5) {
            toDevice.emplace_back(byte, 0);
            return;
        }
        const size_t p = at++;
        if (p == 2)
            kinds += char(kind = byte);
        if (p == 3)
            length = byte;
        if (p == 4)
            length |= size_t(byte) << 8;
        const bool last = p >= 4 && p == 6 + length;
        if (last)
            at = 0;
        if (kind == 'C' && p >= 8 && fault == "cut")
            return;
        if (kind == 'C' && p == 8 && fault == "flip")
            byte ^= 0x10;
        const bool payload = kind == 'C' || kind == 'T';
        toDevice.emplace_back(byte, p == 0               ? 's'
                                    : !payload || p == 1 ? 0
                                    : p == 2             ? 'p'
                                    : last               ? 'l'
                                                         : 0);
    }

    void pump() {
        uint8_t bytes[256];
        for (ssize_t n; (n = read(master, bytes, sizeof bytes)) > 0;)
            for (ssize_t i = 0; i < n; ++i)
                pass(bytes[i]);
        avr_irq_t* input = avr_io_getirq(stick.avr, AVR_IOCTL_UART_GETIRQ('0'), UART_IRQ_INPUT);
        while (xon && !toDevice.empty()) {
            const auto [byte, mark] = toDevice.front();
            toDevice.pop_front();
            const avr_cycle_count_t now = stick.avr->cycle;
            if (mark == 's')
                startFed = now;
            if (mark == 'p') {
                fedFirst = startFed;
                fedLast = inLast = out = 0;
            }
            if (mark == 'l')
                fedLast = now;
            avr_raise_irq(input, byte);
        }
    }
};

} // namespace

int main(int argc, char** argv) {
    if (argc < 10 || (argc - 7) % 3 != 0)
        return 2;
    if (!std::ifstream(argv[1]))
        return std::printf("Skipped: no %s: vorlix-table writes no font tables\n", argv[1]), 77;
    const double share = std::atof(argv[4]);
    const avr_cycle_count_t period = 640000; // 25 revolutions a second
    SimStick stick(argv[1], period);
    Wire wire(stick);
    avr_eeprom_desc_t eeprom{};
    eeprom.size = 1024;
    avr_ioctl(stick.avr, AVR_IOCTL_EEPROM_GET, &eeprom); // its memory itself
    const auto started = std::chrono::steady_clock::now();
    const avr_cycle_count_t startCycle = stick.avr->cycle;
    bool ok = true;
    std::vector<unsigned> shownColumns; // with the dark one after
    for (int step = 7; step < argc; step += 3) {
        wire.fault = argv[step];
        wire.kinds.clear();
        const char* message = argv[step + 2];
        std::string device = wire.path;
        const bool text = wire.fault == "text";
        const char* args[] = {argv[3],     "--send", device.c_str(),
                              "--baud",    argv[6],  text ? "--as-text" : "--invert",
                              "--library", argv[2],  "--",
                              message,     nullptr};
        pid_t child = 0;
        if (posix_spawn(&child, argv[3], nullptr, nullptr, const_cast<char**>(args), environ)) {
            std::perror("posix_spawn");
            return 1;
        }
        std::vector<uint8_t> before(eeprom.ee, eeprom.ee + 1024);
        avr_cycle_count_t eeFirst = 0, eeLast = 0;
        int status = 0;
        for (int i = 0;; ++i) {
            stick.runUntil(stick.avr->cycle + 1600); // 0.1 ms
            wire.pump();
            if (!std::equal(before.begin(), before.end(), eeprom.ee)) {
                eeLast = stick.avr->cycle;
                eeFirst = eeFirst ? eeFirst : eeLast;
                before.assign(eeprom.ee, eeprom.ee + 1024);
            }
            if (i % 50 == 0 && waitpid(child, &status, WNOHANG) == child)
                break;
            const auto simulated =
                std::chrono::duration<double>((stick.avr->cycle - startCycle) / hz);
            if (simulated > std::chrono::steady_clock::now() - started)
                std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
        const int code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        const int expected = std::atoi(argv[step + 1]);
        std::fprintf(stderr, "'%s' (%s on the wire): exit %d, frames %s\n", message, argv[step],
                     code, wire.kinds.c_str());
        ok = code == expected && ok;
        if (expected != 0 && wire.fault == "none" && wire.kinds.find('C') != std::string::npos) {
            std::fprintf(stderr, "columns were sent though the device cannot take them\n");
            ok = false;
        }
        if (expected == 0) {
            const auto glyphs = glyphsOf(argv[2], message);
            shownColumns = text ? textColumns(glyphs, std::atoi(argv[5])) : std::vector<unsigned>{};
            for (const auto& glyph : text ? decltype(glyphs){} : glyphs)
                for (unsigned column : glyph)
                    shownColumns.push_back(~column & 0xFF);
            if (!text)
                shownColumns.push_back(0);
            const double cycles = hz / 1000;
            std::fprintf(stderr,
                         "line time %.1f ms, EEPROM written from the first byte to the last "
                         "%.1f ms, last byte in to acknowledgement %.1f ms, to the first column "
                         "of the new message %.1f ms\n",
                         (wire.inLast - wire.fedFirst) / cycles, (eeLast - eeFirst) / cycles,
                         (wire.out - wire.inLast) / cycles,
                         (stick.pulseFrom(wire.out) - wire.inLast) / cycles);
        }
        if (!shownColumns.empty()) { // from the next index pulse on
            const std::vector<unsigned>& columns = shownColumns;
            const avr_cycle_count_t from =
                stick.pulseFrom(expected == 0 ? wire.out : stick.avr->cycle);
            ok = same(stick.shown(from, share, columns.size() - 1), columns) && ok;
            if (step + 3 >= argc) {
                std::fprintf(stderr, "After a reset:\n");
                stick.reset();
                ok = same(stick.shown(stick.base + 3 * period, share, columns.size() - 1),
                          columns) &&
                     ok;
            }
        }
    }
    return ok ? 0 : 1;
}
