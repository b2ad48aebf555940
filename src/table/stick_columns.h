#pragma once
// What the LED stick lights for a message, column by column.

#include "editor/glyph.h"
#include "library/font_record.h"

#include <string_view>
#include <vector>

namespace vorlix {

// Five columns per character, plus a dark one after each with blank. A column
// whose text is no byte (see columnByte), and every column of a character the
// library lacks, is dark too: there is nothing known to light. Each byte is
// read with the editor's options, as the editor would show it.
std::vector<ColumnDots> stickColumns(std::string_view message, bool blank, const FontTable& table,
                                     BitOptions options);

// The same columns for a stick that spins the other way: it sweeps them in
// the opposite order, so each glyph is mirrored and the characters run
// backwards.
void reverseColumns(std::vector<ColumnDots>& columns);

} // namespace vorlix
