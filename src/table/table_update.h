#pragma once
// A firmware's own table refreshed from the library, inside its source:
// only the numbers of the table named change, each in the form it has
// (hex with its case and width, 0b, decimal, H'..', $..; a leading 0 where
// hex must start with a digit: 0A0h). Everything else stays byte for byte:
// other code and tables, the declaration, comments, blank lines, line ends.
// Reading a table into an empty library and updating it with the same
// options gives the text back unchanged.
//
// A font's NAME_width beside it is rewritten with it. A proportional font
// (NAME_offset beside it) is placed by its NAME_width, and a glyph whose
// width would change is refused: the firmware fixed the table's size.
// Nothing is ever resized.

#include "editor/bit_options.h"
#include "library/font_record.h"
#include "library/library_format.h"
#include "table/firmware_table.h"
#include "table/table_reader.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vorlix {

// An update finds and reads the table as reading does, and writes it so.
struct TableUpdateRequest : TableReadRequest {
    std::optional<char32_t> missing; // whose glyph a character the library lacks gets
    int spaceWidth = 3;              // NAME_width's entry for a glyph with no lit column
    bool strict = false;             // refuse when a character is lacked
};

struct TableUpdate {
    std::string text;              // the whole new text; the old one when nothing changes
    std::vector<char32_t> changed; // the characters whose bytes differ, in table order, once each
    // Not in the library: their bytes are kept (or, with missing, filled).
    std::vector<char32_t> lacked;
    bool filled = false; // the lacked got the missing character's glyph
    // In the library, but with a column whose text is no byte: that column keeps its byte.
    std::vector<char32_t> partial;
    std::optional<Damage> damage; // why nothing can be written (line 0: no line in particular)

    bool unchanged(std::string_view old) const { return !damage && text == old; }
};

TableUpdate updateTable(std::string_view text, const TableUpdateRequest& request,
                        const FontTable& library);

// A unified diff of two texts that have the same lines but for some that
// changed in place (as an update makes them), 3 lines of context, the files
// named a/name and b/name. Empty when they are equal.
std::string lineDiff(std::string_view before, std::string_view after, std::string_view name);

} // namespace vorlix
