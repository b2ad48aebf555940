#pragma once
// A table that lives in a firmware's source, read back into glyphs: the
// column bytes of dt, retlw, .db and .byte lines or of a C array's
// initializer, in the number forms firmware is written in (0x7E, 7Eh,
// H'7E', $7E, 0b01111110, B01111110, decimal; bare digits are hex in dt
// and retlw lines, as the PIC assemblers take them, unless the file sets
// radix dec: 0B1 there is B1, as gpasm reads it). Comments, labels, equates and other code are
// skipped; a UTF-8 byte-order mark is too. C arrays are found at file scope and inside namespaces,
// functions and extern "C" blocks.
//
// Where each number stands is kept, so that a table can be written back
// into its own file in its own layout (see table_update.h).

#include "editor/glyph.h"
#include "library/font_record.h"
#include "library/library_format.h"
#include "table/firmware_table.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vorlix {

// One number of a table in the text: the token and how its digits are
// read, enough to write another value in the same form.
struct TableNumber {
    std::size_t at = 0;       // the token's offset in the text
    std::size_t digitsAt = 0; // within the token: what lies around the digits stays
    std::size_t digitsLength = 0;
    int base = 10;
    // Hex digits that must start with 0-9 to stay a number (7Eh, and bare
    // hex in dt and retlw lines): 0A0h.
    bool digitFirst = false;
};

struct TableBytes {
    std::vector<ColumnByte> bytes;
    std::vector<TableNumber> numbers; // where each byte is written (none for bin)
    // The characters that the table's comments name, in order: a quoted
    // character ('A', '\x01', '\u00E9') that opens a comment or follows a
    // space, as every form's comments name each entry. "the glyph of 'X'"
    // names no entry.
    std::u32string names;
    // The last .db line ends in a zero that made its length even: the pad
    // byte an AVR table may end with.
    bool mayEndWithPad = false;
    bool labelled = false;        // a label chose the table, rather than the whole file
    std::optional<Damage> damage; // what could not be read, and where; bytes are then empty
};

// hint names the form when the text alone does not say (bin: the bytes
// are the table); without it, a '{' outside comments and quotes makes the
// text C. With a label, the table is the first run of data lines
// after the line that holds it (or the C array of that name); code between
// the label and the first data line, such as the addwf PCL,f of a computed
// goto, is skipped. Without one, every data line is read, and they must
// form one run: data lying apart is refused, naming its lines.
TableBytes readTableBytes(std::string_view text, std::optional<FirmwareFormat> hint,
                          std::string_view label);

// How a table's bytes fall into glyphs: per columns each, the last byte
// left alone when it is an AVR pad byte.
struct TableShape {
    std::u32string characters; // one for each glyph
    std::size_t per = Glyph::columns;
    std::string error; // the bytes do not make the glyphs; characters are then empty
    // The count is wrong for a table read without a label: the file may hold more than it.
    bool labelWouldHelp = false;
};

// The characters are those given or, when none are, those the comments
// name. Given ones that the comments name otherwise are refused, naming the
// first difference. A count that does not divide names a likely glyph
// width; a count that does not match the characters names both counts.
TableShape tableShape(const TableBytes& table, std::u32string_view given, bool blank);

// How a firmware's table is found and turned back into glyphs.
struct TableReadRequest {
    std::optional<FirmwareFormat> format; // guessed from the text without
    std::string label;                    // empty: the file's one run of table data
    std::u32string characters; // the glyphs' characters, in order; empty: those its comments name
    bool blank = false;
    BitOptions options;
    bool reverse = false;
};

struct TableGlyphs {
    FontTable records;
    std::string error;           // when the bytes do not make the glyphs; records are then empty
    bool labelWouldHelp = false; // as for TableShape
};

// The glyphs of the bytes (see tableShape), the blank column dropped, and
// turned back from what the options and reverse made of them: writing a
// font and reading it with the same options gives the glyphs it was written
// from. reverse mirrors each glyph and never reorders them: a message
// written backwards is read in the order it stands in the file.
TableGlyphs glyphsOfTable(const TableBytes& table, std::u32string_view characters, bool blank,
                          BitOptions options, bool reverse);

// The place in a glyph's group of the column shown c-th from the left.
std::size_t columnPlace(std::size_t c, std::size_t per, bool reverse);

} // namespace vorlix
