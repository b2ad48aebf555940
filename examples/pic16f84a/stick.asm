; A propeller stick on a PIC16F84A at 4 MHz: after each index pulse, show
; the message's columns one after another, then stay dark until the next.
;
;   RB0..RB7  eight LEDs, RB7 the top row, each lit while its pin is low
;   RA4       index sensor, pulled low once per revolution
;
; message.inc is the table vorlix-table writes for the message:
;   vorlix-table --format retlw --guard --label message "Hello World!"

        processor 16f84a
        radix   dec
        #include <p16f84a.inc>
        __config _XT_OSC & _WDT_OFF & _PWRTE_ON & _CP_OFF
        errorlevel -302         ; TRISB is reached through bank 1, as set

COLUMN_US equ   200             ; how long each column is lit, 20 to 784

; At 4 MHz one instruction cycle is 1 us. A column takes 17 cycles of
; work plus the delay loop's 3 cycles a turn, and a nop or two for the rest.
DELAY   equ     (COLUMN_US - 17) / 3
REST    equ     (COLUMN_US - 17) % 3
        if DELAY < 1 || DELAY > 255
        error "COLUMN_US must be between 20 and 784"
        endif

        cblock  0x0C
        column                  ; the column being shown, from 0
        delay                   ; the delay loop's counter
        endc

        org     0
        movlw   0xFF            ; dark before the pins drive the LEDs
        movwf   PORTB
        bsf     STATUS, RP0
        clrf    TRISB           ; RB0..RB7 outputs; RA4 stays an input
        bcf     STATUS, RP0

revolution:
        btfss   PORTA, 4        ; let the last index pulse end
        goto    $-1
        btfsc   PORTA, 4        ; then wait for the next one
        goto    $-1
        clrf    column

next:   call    message_column
        movwf   PORTB           ; the column is lit from here
        movlw   DELAY
        movwf   delay
        decfsz  delay, f
        goto    $-1
        if REST > 0
        nop
        endif
        if REST > 1
        nop
        endif
        incf    column, f
        movlw   COLUMNS
        subwf   column, w
        btfss   STATUS, Z
        goto    next
        goto    $+1             ; the last column as long as the others
        goto    $+1
        goto    $+1
        goto    $+1
        nop
        movlw   0xFF            ; dark until the next index pulse
        movwf   PORTB
        goto    revolution

; Returns the byte of column number `column` in W. The table is read with a
; computed goto, so it must not cross a 256-word page: the include ends with
; lines (--guard) that stop the assembler if it does.
message_column:
        movlw   high message
        movwf   PCLATH
        movf    column, w
        addwf   PCL, f
message:
        #include "message.inc"
message_end:
COLUMNS equ     message_end - message

        end
