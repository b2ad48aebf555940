; Two glyphs of an AVR sketch's font
.include "m328Pdef.inc"
.equ FONT_FIRST = 65
        rjmp    main
font:   .db     $7E, 0b00001001, 9, 0x09, 0x7E, $7F  ; 'A', then 'B'
        .DB     0x49, 73, $49, 0x36                  ; ; two comment marks
main:   ldi     r16, 1
        rjmp    main
