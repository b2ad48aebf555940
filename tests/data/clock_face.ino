// A clock face's digits, kept as its firmware keeps them: a byte-order mark,
// the font in a namespace, one bit pattern a line, a comment per glyph.
// Braces in comments ({ and }) are no code.
#include <stdint.h>

namespace face {
extern "C" {
static const uint8_t data[] = {
    // '0'
    0b00111110,
    0b01010001,
    0b01001001,
    0b01000101,
    0b00111110,
    /* '1' */
    0b00000000,
    0b01000010,
    0b01111111,
    0B01000000,
    0b00000000,
};
}
} // namespace face

uint8_t column(int digit, int col) {
    static const unsigned char marks[] = { 0x7eU, 0X81, 0x81, 0x81, 0x7E }; // ':'
    return col < 0 ? marks[-col] : face::data[digit * 5 + col];
}
