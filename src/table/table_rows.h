#pragma once
// A table's entries as the stick shows them, one per character, and the
// lines each firmware form writes them in. The message table and the font
// table are both built from these.

#include "editor/glyph.h"
#include "library/font_record.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace vorlix {

// Fixed room rather than vectors: a font has tens of thousands of rows.
struct TableRow {
    static constexpr std::size_t capacity = Glyph::columns + 1; // the blank or gap column too

    char32_t character = 0;
    static constexpr ColumnByte dark = 0xFF; // no dot lit, as stored

    std::size_t size = 0; // the columns in use
    // As stored: the bytes the editor draws with its default options.
    std::array<ColumnByte, capacity> columns{};
    // False where the stored text is no byte (or the character is missing)
    // and the window's dt table writes the prefix alone; every other form
    // writes such a column dark.
    std::array<bool, capacity> known{};
    std::string note; // what the comment says after the character
    bool inLibrary = true;

    void append(ColumnByte stored, bool isKnown = true) {
        columns[size] = stored;
        known[size] = isKnown;
        ++size;
    }
};

// The rows of the characters, looked up as the window's table does (the
// first record of each), each column read as the editor shows it; with
// blank, a dark column after each.
std::vector<TableRow> characterRows(std::u32string_view characters, bool blank,
                                    const FontTable& table);

// The byte that lights a stored column's dots on a stick wired with these
// options.
ColumnByte columnByteOf(ColumnByte stored, BitOptions options);

// The columns from the first lit one to the last; spaceWidth dark columns
// for a row with none.
void trimToLit(TableRow& row, int spaceWidth);
// Left to right becomes right to left.
void mirror(TableRow& row);

std::size_t columnTotal(const std::vector<TableRow>& rows);

// The quoted character and the row's note, for a comment.
std::string characterComment(const TableRow& row);

// Lines of each form, each ending in lineEnd; values turned by options.
std::string dtLines(const std::vector<TableRow>& rows, std::string_view prefix, BitOptions options,
                    const char* lineEnd);
std::string retlwLines(const std::vector<TableRow>& rows, BitOptions options);
// .db lines of even length: rows are joined until a line is, and an odd
// last line gets a pad byte that says so.
std::string dbLines(const std::vector<TableRow>& rows, BitOptions options);
std::string byteLines(const std::vector<TableRow>& rows, BitOptions options);
// One row a line inside a C initializer, in braces with rowBraces,
// appended to out (a font's lines are megabytes: no copy).
void appendCLines(std::string& out, const std::vector<TableRow>& rows, BitOptions options,
                  bool rowBraces);
std::string rawBytes(const std::vector<TableRow>& rows, BitOptions options);

// Lines after a table of entries one word each that stop the assembler
// when the table does not lie within one 256-word page.
std::string pageGuard(const std::string& label, std::size_t entries, const char* lineEnd);

std::string hexByte(ColumnByte value);

} // namespace vorlix
