// A propeller stick on an ATmega328P at 16 MHz. It times each revolution and
// draws a C string through a font table over a set share of the circle, so
// the text keeps its width at any speed, and any text of the font shows
// without a new table.
//
//   PD0..PD7  eight LEDs, PD7 the top row, each lit while its pin is high
//   PB0       index sensor (ICP1, the timer's input capture), pulled low once
//             per revolution
//
// font.h is the table vorlix-table writes for the font:
//   vorlix-table --font --chars 32-126 --format arduino --widths --proportional
//                --invert --label font --output font.h
#include <avr/interrupt.h>
#include <avr/io.h>
#include <avr/pgmspace.h>
#include <stdint.h>

#include "font.h"

static const char text[] = "Hello World!"; // characters outside the font show as spaces
#define SHARE_PERCENT 40                   // of the circle that the text covers
#define GAP 1                              // dark columns between two characters

// Timer 1 counts at 16 MHz / 64 = 250 kHz, so a revolution may take up to
// 65535 counts (262 ms): the stick must turn at least 4 times a second.
static volatile uint16_t index_at; // the count at the last index pulse
static volatile uint16_t period;   // counts from the pulse before it
static volatile uint8_t pulses;    // index pulses seen, wrapping
static volatile uint8_t timed;     // whether period spans a whole revolution

ISR(TIMER1_CAPT_vect)
{
    uint16_t now = ICR1;
    period = now - index_at;
    index_at = now;
    if (pulses++) // from the second pulse on
        timed = 1;
}

static uint8_t entry(char c) // the font entry that draws c
{
    uint8_t i = (uint8_t)c - font_FIRST;
    return i < font_COUNT ? i : ' ' - font_FIRST;
}

static uint16_t text_columns(void)
{
    uint16_t n = 0;
    for (const char* c = text; *c; c++)
        n += pgm_read_byte(&font_width[entry(*c)]) + (c[1] ? GAP : 0);
    return n;
}

// Column k lights step * k / 256 timer counts after the index pulse. The
// division is done while the LEDs are dark, so the first column is not late.
static uint16_t start, n;
static uint32_t step;

static void show(uint16_t k, uint8_t dots)
{
    uint16_t at = (step * k) >> 8;
    while ((uint16_t)(TCNT1 - start) < at) {
    }
    PORTD = dots;
}

int main(void)
{
    DDRD = 0xFF;    // the LEDs, dark (low) from reset
    PORTB = _BV(PB0); // the sensor's pull-up
    TCCR1B = _BV(ICNC1) | _BV(CS11) | _BV(CS10); // clk/64, capture on a falling edge
    TIMSK1 = _BV(ICIE1);
    sei();
    n = text_columns();
    for (;;) {
        cli(); // the last revolution's period, for the next
        uint16_t last = period;
        uint8_t ready = timed, seen = pulses;
        sei();
        step = ((uint32_t)last * SHARE_PERCENT << 8) / (100UL * n);
        while (pulses == seen) { // the next index pulse
        }
        start = index_at; // no other pulse for a revolution
        if (!ready)
            continue;
        uint16_t k = 0;
        for (const char* c = text; *c; c++) {
            uint8_t i = entry(*c), width = pgm_read_byte(&font_width[i]);
            uint16_t first = pgm_read_word(&font_offset[i]);
            for (uint8_t j = 0; j < width; j++)
                show(k++, pgm_read_byte(&font[first + j]));
            for (uint8_t j = 0; c[1] && j < GAP; j++)
                show(k++, 0);
        }
        show(k, 0); // dark for the rest of the revolution
    }
}
