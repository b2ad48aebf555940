#pragma once
// A table that lives in a firmware's source, read back into glyphs: the
// column bytes of dt, retlw, .db and .byte lines or of a C array's
// initializer, in the number forms firmware is written in (0x7E, 7Eh,
// H'7E', $7E, 0b01111110, B01111110, decimal; bare digits are hex in dt
// and retlw lines, as the PIC assemblers take them, unless the file sets
// radix dec). Comments, labels, equates and other code are skipped.

#include "editor/glyph.h"
#include "library/font_record.h"
#include "library/library_format.h"
#include "table/firmware_table.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vorlix {

struct TableBytes {
    std::vector<ColumnByte> bytes;
    // The last .db line ends in a zero that made its length even: the pad
    // byte an AVR table may end with.
    bool mayEndWithPad = false;
    std::optional<Damage> damage; // what could not be read, and where; bytes are then empty
};

// hint names the form when the text alone does not say (bin: the bytes
// are the table). With a label, the table is the first run of data lines
// after the line that holds it (or the C array of that name); code between
// the label and the first data line, such as the addwf PCL,f of a computed
// goto, is skipped. Without one, every data line is read, and they must
// form one run: data lying apart is refused, naming its lines.
TableBytes readTableBytes(std::string_view text, std::optional<FirmwareFormat> hint,
                          std::string_view label);

struct TableGlyphs {
    FontTable records;
    std::string error; // when the bytes do not make the glyphs; records are then empty
};

// The glyphs of the bytes, 5 columns each (6 with blank, the sixth
// dropped), given to the characters in order, and turned back from what
// the options and reverse made of them: writing a font and reading it with
// the same options gives the glyphs it was written from.
TableGlyphs glyphsOfTable(const TableBytes& table, std::u32string_view characters, bool blank,
                          BitOptions options, bool reverse);

} // namespace vorlix
