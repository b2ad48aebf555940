; A propeller clock's digit table, as its firmware keeps it
        processor 16f628a
        radix   hex
count   equ     0x20
        org     0
start   clrf    count
loop    call    digits
        goto    loop
blink   bsf     PORTB,0         ; a subroutine that ends in retlw 0
        bcf     PORTB,0
        retlw   0
digits  addwf   PCL,f           ; computed goto into the table
        retlw   b'01111110'     ; 'A'
        retlw   H'09'
        retlw   0x09
        retlw   .9
        retlw   7Eh
        RETLW   7F              ; 'B': bare digits are hex here

        retlw   d'73'
        retlw   49h
        retlw   0b01001001
        retlw   36
bad     retlw   0x100
        radix   dec
decimal dt      126, 9, 9, 9, 126
        dt      127, 73, 73, 73, 54
        end
