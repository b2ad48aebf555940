// Two glyphs of a POV stick sketch
#include <avr/pgmspace.h>
#define FONT_FIRST 65 /* beside the table, not in it */
const byte other[] = {1, 2, 3};
const byte font[][5] PROGMEM = {
  {B01111110, 0x09, 9, 011, 0x7EUL}, // 'A' (011 is octal)
  /*/ 'B' */ {0x7F, 0x49,
             0x49, 0x49, 0x36}
};
void setup() { }
