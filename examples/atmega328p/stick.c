// A propeller stick on an ATmega328P at 16 MHz. It times each revolution and
// draws its message over a set share of the circle, so the message keeps its
// width at any speed. The message is a text drawn through a font table, or
// columns as they are; a new one comes over the UART (docs/protocol.md) and
// is kept in EEPROM, so it shows again after power-off.
//
//   PD2..PD7, PC0, PC1  eight LEDs, each lit while its pin is high: the
//                       column byte's bit 7 (PD7) the top row, bits 2-7 on
//                       PD2-PD7 and bits 0-1 on PC0-PC1
//   PB0                 index sensor (ICP1, the timer's input capture),
//                       pulled low once per revolution
//   PD0, PD1            the UART's RXD and TXD
//
// font.h is the table vorlix-table writes for the font:
//   vorlix-table --font --chars 32-126 --format arduino --widths --proportional
//                --invert --label font --output font.h
#define BAUD 9600 // 9600 (an HC-05's own), 38400 or 76800: each 0.16 % fast at 16 MHz

#include <avr/interrupt.h>
#include <avr/io.h>
#include <avr/pgmspace.h>
#include <stdint.h>
#include <util/crc16.h>

#define BAUD_TOL 1 // percent: setbaud.h warns of a rate the clock cannot make within it
#include <util/setbaud.h>

#include "font.h"

static const char text[] = "Hello World!"; // until one is sent; outside the font: spaces
#define SHARE_PERCENT 40                   // of the circle that the message covers
#define GAP 1                              // dark columns between two characters

// What each of the two EEPROM slots of 512 bytes holds besides its 6 bytes of
// sequence, kind, length and CRC; 80 characters of text draw at most 480
// columns.
#define MAX_COLUMNS 500
#define MAX_TEXT 80
#define SLOT_SIZE 512
#define STORE_MS 4 // an EEPROM byte takes 3.3 ms to write
#define FRAME_GAP 12500 // timer counts (50 ms): a frame with a longer pause is dropped

_Static_assert(sizeof text - 1 <= MAX_TEXT, "the built-in text is longer than a sent one may be");

struct message {
    uint8_t kind;    // 'C' columns, 'T' a text
    uint16_t length; // bytes
    uint8_t bytes[MAX_COLUMNS];
};
static struct message buffers[2];
static struct message* shown = &buffers[0];    // drawn
static struct message* received = &buffers[1]; // the UART's, or being stored
static uint8_t built_in = 1;                   // shown is text, from no slot
static uint8_t shown_slot = 1, shown_seq;      // the slot shown and its sequence number

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

// Reception: the UART's interrupt takes a frame into received, checking its
// CRC as it comes, and holds it for the main loop (frame_in) until answered.
enum { NONE, WHOLE, DAMAGED };
static volatile uint8_t frame_in;
static uint8_t rx_step, rx_version;
static uint16_t rx_length, rx_at, rx_crc, rx_sent;

ISR(USART_RX_vect)
{
    uint8_t byte = UDR0;
    if (frame_in) // taking no frame before the last is answered
        return;
    OCR1B = TCNT1 + FRAME_GAP; // the pause that ends a frame cut off
    TIFR1 = _BV(OCF1B);
    TIMSK1 |= _BV(OCIE1B);
    if (rx_step >= 1 && rx_step <= 5)
        rx_crc = _crc_xmodem_update(rx_crc, byte);
    switch (rx_step) {
    case 0: // hunting the start mark
        if (byte != 0xA5)
            return;
        rx_crc = 0xFFFF;
        break;
    case 1:
        rx_version = byte;
        break;
    case 2:
        received->kind = byte;
        break;
    case 3:
        rx_length = byte;
        break;
    case 4:
        rx_length |= (uint16_t)byte << 8;
        rx_at = 0;
        rx_step = rx_length ? 5 : 6;
        return;
    case 5: // a payload longer than the buffer is counted, then refused
        if (rx_at < MAX_COLUMNS)
            received->bytes[rx_at] = byte;
        if (++rx_at == rx_length)
            rx_step = 6;
        return;
    case 6:
        rx_sent = (uint16_t)byte << 8;
        break;
    default:
        received->length = rx_length;
        frame_in = rx_crc == (rx_sent | byte) ? WHOLE : DAMAGED;
        TIMSK1 &= ~_BV(OCIE1B);
        rx_step = 0;
        return;
    }
    rx_step++;
}

ISR(TIMER1_COMPB_vect) // a frame stopped short: drop it
{
    rx_step = 0;
    TIMSK1 &= ~_BV(OCIE1B);
}

// Answers go out under the UART's data-register-empty interrupt.
static uint8_t tx[5 + 14 + 2];
static volatile uint8_t tx_at, tx_length;

ISR(USART_UDRE_vect)
{
    UDR0 = tx[tx_at++];
    if (tx_at == tx_length) {
        tx_length = 0;
        UCSR0B &= ~_BV(UDRIE0);
    }
}

static void answer(uint8_t kind, const uint8_t* payload, uint8_t length)
{
    while (tx_length) { // the last answer still going out
    }
    uint16_t crc = 0xFFFF;
    uint8_t n = 0;
    tx[n++] = 0xA5;
    tx[n++] = 1;
    tx[n++] = kind;
    tx[n++] = length;
    tx[n++] = 0;
    for (uint8_t i = 0; i < length; i++)
        tx[n++] = payload[i];
    for (uint8_t i = 1; i < n; i++)
        crc = _crc_xmodem_update(crc, tx[i]);
    tx[n++] = crc >> 8;
    tx[n++] = crc;
    tx_at = 0;
    tx_length = n;
    UCSR0B |= _BV(UDRIE0);
}

static void refuse(uint8_t kind, uint8_t reason)
{
    uint8_t payload[] = {kind, reason};
    answer('R', payload, sizeof payload);
}

static void tell(void) // the answer to a query
{
    uint16_t shown_length = shown->length;
    uint8_t info[] = {1, // a 1 bit lights its LED (--invert); bit 7 the top row
                      MAX_COLUMNS & 0xFF, MAX_COLUMNS >> 8, MAX_TEXT, 0,
                      font_FIRST, font_COUNT & 0xFF, font_COUNT >> 8,
                      0, 0, // it takes no font
                      built_in ? 0 : shown->kind, shown_length & 0xFF, shown_length >> 8,
                      STORE_MS};
    answer('I', info, sizeof info);
}

// Storing: the payload goes into the slot not shown, a byte each time the
// EEPROM is ready, under its interrupt; the CRC is taken on the way.
static uint16_t ee_base, ee_end, ee_crc;
static volatile uint16_t ee_at;
static uint8_t ee_head[4];
static volatile uint8_t stored;
static uint8_t storing; // from store() until answered: the main loop's own

static void write_next(void) // with interrupts off
{
    uint16_t i = ee_at++;
    uint8_t byte = i < 4             ? ee_head[i]
                   : i < ee_end - 2  ? received->bytes[i - 4]
                   : i == ee_end - 2 ? ee_crc >> 8
                                     : ee_crc;
    if (i < ee_end - 2)
        ee_crc = _crc_xmodem_update(ee_crc, byte);
    EEAR = ee_base + i;
    EEDR = byte;
    EECR |= _BV(EEMPE);
    EECR |= _BV(EEPE);
}

ISR(EE_READY_vect)
{
    if (ee_at < ee_end) {
        write_next();
    } else {
        EECR &= ~_BV(EERIE);
        stored = 1;
    }
}

static void store(void)
{
    ee_base = shown_slot ? 0 : SLOT_SIZE;
    ee_head[0] = shown_seq + 1;
    ee_head[1] = received->kind;
    ee_head[2] = received->length;
    ee_head[3] = received->length >> 8;
    ee_end = 4 + received->length + 2;
    ee_crc = 0xFFFF;
    ee_at = 0;
    storing = 1;
    while (EECR & _BV(EEPE)) {
    }
    cli();
    write_next();
    EECR |= _BV(EERIE); // the rest when each byte is written
    sei();
}

static uint8_t eeprom_byte(uint16_t at)
{
    EEAR = at;
    EECR |= _BV(EERE);
    return EEDR;
}

static void load(void) // the newer slot whose CRC checks, if any
{
    uint8_t valid[2], seq[2];
    for (uint8_t s = 0; s < 2; s++) {
        uint16_t base = s * SLOT_SIZE, length = eeprom_byte(base + 2) | (uint16_t)eeprom_byte(base + 3) << 8;
        uint8_t kind = eeprom_byte(base + 1);
        uint16_t crc = 0xFFFF;
        valid[s] = length && length <= (kind == 'C' ? MAX_COLUMNS : kind == 'T' ? MAX_TEXT : 0);
        for (uint16_t i = 0; valid[s] && i < 4 + length; i++)
            crc = _crc_xmodem_update(crc, eeprom_byte(base + i));
        uint16_t kept = (uint16_t)eeprom_byte(base + 4 + length) << 8 | eeprom_byte(base + 5 + length);
        valid[s] = valid[s] && crc == kept;
        seq[s] = eeprom_byte(base);
    }
    if (!valid[0] && !valid[1])
        return;
    uint8_t s = !valid[0] || (valid[1] && (uint8_t)(seq[1] - seq[0]) < 128);
    shown->kind = eeprom_byte(s * SLOT_SIZE + 1);
    shown->length = eeprom_byte(s * SLOT_SIZE + 2) | (uint16_t)eeprom_byte(s * SLOT_SIZE + 3) << 8;
    for (uint16_t i = 0; i < shown->length; i++)
        shown->bytes[i] = eeprom_byte(s * SLOT_SIZE + 4 + i);
    built_in = 0;
    shown_slot = s;
    shown_seq = seq[s];
}

static uint8_t entry(uint8_t c) // the font entry that draws c
{
    uint8_t i = c - font_FIRST;
    return i < font_COUNT ? i : ' ' - font_FIRST;
}

static uint16_t columns(void) // of the shown message
{
    if (shown->kind == 'C')
        return shown->length;
    uint16_t n = 0;
    for (uint16_t i = 0; i < shown->length; i++)
        n += pgm_read_byte(&font_width[entry(shown->bytes[i])]) + (i + 1 < shown->length ? GAP : 0);
    return n;
}

// Handles a frame come in and a payload stored. It switches to a stored
// message only well before the next index pulse, so that no revolution is
// drawn in part with either and the first column is not late; it returns
// whether it did.
static uint8_t serve(void)
{
    if (stored) {
        cli();
        uint16_t since = TCNT1 - index_at, last = period;
        sei();
        if (since >= last - last / 4 && since < last)
            return 0;
        stored = storing = 0;
        struct message* old = shown;
        shown = received;
        received = old;
        built_in = 0;
        shown_slot = !shown_slot;
        shown_seq++;
        answer('A', &shown->kind, 1);
        frame_in = NONE;
        return 1;
    }
    if (!frame_in || storing) // not EERIE: the writer may end between the two tests
        return 0;
    uint8_t kind = received->kind;
    uint16_t length = received->length;
    if (frame_in == DAMAGED)
        refuse(kind, 1);
    else if (rx_version != 1)
        refuse(kind, 4);
    else if (kind == 'Q')
        tell();
    else if (kind != 'C' && kind != 'T')
        refuse(kind, 3);
    else if (length > (kind == 'C' ? MAX_COLUMNS : MAX_TEXT))
        refuse(kind, 2);
    else if (length == 0)
        refuse(kind, 5);
    else {
        store(); // answered once stored
        return 0;
    }
    frame_in = NONE;
    return 0;
}

// Column k lights step * k / 256 timer counts after the index pulse. The
// division is done while the LEDs are dark, so the first column is not late.
static uint16_t start;
static uint32_t step;

static void show(uint16_t k, uint8_t dots)
{
    uint16_t at = (step * k) >> 8;
    while ((uint16_t)(TCNT1 - start) < at) {
    }
    PORTD = (dots & 0xFC) | _BV(PD0); // and RXD's pull-up
    PORTC = dots & 0x03;
}

static void draw(void)
{
    uint16_t k = 0;
    if (shown->kind == 'C') {
        for (uint16_t i = 0; i < shown->length; i++)
            show(k++, shown->bytes[i]);
    } else {
        for (uint16_t c = 0; c < shown->length; c++) {
            uint8_t i = entry(shown->bytes[c]), width = pgm_read_byte(&font_width[i]);
            uint16_t first = pgm_read_word(&font_offset[i]);
            for (uint8_t j = 0; j < width; j++)
                show(k++, pgm_read_byte(&font[first + j]));
            for (uint8_t j = 0; c + 1 < shown->length && j < GAP; j++)
                show(k++, 0);
        }
    }
    show(k, 0); // dark for the rest of the revolution
}

int main(void)
{
    DDRD = 0xFC; // the LEDs, dark (low) from reset
    DDRC = 0x03;
    PORTB = _BV(PB0); // the sensor's pull-up
    UBRR0H = UBRRH_VALUE;
    UBRR0L = UBRRL_VALUE;
#if USE_2X
    UCSR0A = _BV(U2X0);
#endif
    UCSR0B = _BV(RXCIE0) | _BV(RXEN0) | _BV(TXEN0); // 8 data bits, no parity, 1 stop bit
    TCCR1B = _BV(ICNC1) | _BV(CS11) | _BV(CS10);    // clk/64, capture on a falling edge
    TIMSK1 = _BV(ICIE1);
    shown->kind = 'T';
    for (shown->length = 0; text[shown->length]; shown->length++)
        shown->bytes[shown->length] = text[shown->length];
    load();
    sei();
    uint16_t n = columns();
    for (;;) {
        cli(); // the last revolution's period, for the next
        uint16_t last = period;
        uint8_t ready = timed, seen = pulses;
        sei();
        step = ((uint32_t)last * SHARE_PERCENT << 8) / (100UL * n);
        while (pulses == seen) { // the next index pulse
            if (serve()) {
                n = columns();
                step = ((uint32_t)last * SHARE_PERCENT << 8) / (100UL * n);
            }
        }
        start = index_at; // no other pulse for a revolution
        if (ready)
            draw();
    }
}
