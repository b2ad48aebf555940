#pragma once
// The message's columns in the forms firmware is written in. Every form
// starts with the window's two comments, the message and its column count,
// and names each character beside its bytes.
//
//   dt       the window's table, exactly (MAKETABLE), unless bytes are turned
//            by the bit options: then each value is the turned byte
//   retlw    one "retlw" per column, for PIC code
//   avr      ".db" lines for avra and the Atmel assembler, two characters a
//            line, so that every line has an even byte count and the
//            assembler pads nothing; an odd last line gets a pad byte that
//            says so
//   gas      GNU as ".byte" lines under a global label
//   c        a C array
//   arduino  a C array in program memory (PROGMEM), read with pgm_read_byte
//   bin      the raw bytes
//
// A character the library lacks, and a column whose text is no byte (see
// columnByte), are dark in every form but dt (the byte of no lit dot, in the
// output's own bit order), as the picture shows them; dt writes what the
// window writes (the prefix alone, or the stored digits) unless the bytes
// are turned, when such a column is the prefix alone. The blank column, with
// blank, is the all-dark byte.

#include "editor/bit_options.h"
#include "library/font_record.h"
#include "table/table_rows.h"

#include <optional>
#include <string>
#include <string_view>

namespace vorlix {

enum class FirmwareFormat { dt, retlw, avr, gas, c, arduino, bin };

struct FirmwareRequest {
    std::string message;       // UTF-8; not empty for c and arduino (C has no empty array)
    std::string prefix = "0x"; // dt only
    bool blank = false;
    // The stick's wiring: the stored bytes, taken as drawn with the editor's
    // defaults (as the starter font is), are turned into what a stick wired
    // this way needs, as the editor would encode the same dots with these
    // options.
    BitOptions options;
    std::string label = "vorlix_table"; // the table's name where the form has one
    bool labelLine = false; // dt and retlw: the label as a line of its own before the table
    // With guard, dt and retlw end with lines that make the assembler stop
    // with an error if the table crosses a 256-word boundary.
    bool guard = false;
    // Each character's lit columns only (spaceWidth dark ones for a
    // character with none), with one dark column between characters; not
    // with blank.
    bool proportional = false;
    int spaceWidth = 3;
    // For a stick that spins the other way: the columns in the opposite
    // order, each glyph mirrored and the characters backwards.
    bool reverse = false;
};

// The message's rows as the request shapes them (blank, proportional,
// reverse), in the order the table writes them.
std::vector<TableRow> messageRows(const FirmwareRequest& request, const FontTable& table);

std::string firmwareTable(FirmwareFormat format, const FirmwareRequest& request,
                          const FontTable& table);

// The first table entry, one word each, that does not share the 256-word
// page of the first entry when that one is at org: a computed goto (addwf
// PCL) would land in the wrong page there. entry and column count from 0.
struct PageCrossing {
    std::size_t entry = 0;
    char32_t character = 0; // whose column it is
    std::size_t column = 0;
};
std::optional<PageCrossing> pageCrossing(unsigned org, const std::vector<TableRow>& rows);

// Text for inside a C comment, between the given quotes, in plain ASCII:
// backslash and the quote escaped with a backslash, tab, CR and LF as \t \r
// \n, other controls as \xHH, non-ASCII as \uXXXX or \UXXXXXXXX, and a
// backslash put between "*" and "/" either way round so that the text can
// neither end the comment nor open another.
std::string commentQuoted(std::u32string_view text, char quote);

} // namespace vorlix
