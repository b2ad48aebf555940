#pragma once
// A whole font for firmware that draws text at run time, indexed by
// character code: entry i holds the columns of the i-th character, so that
// firmware reads column col of c at (c - FIRST) * 5 + col (6 with blank).
//
//   c, arduino  NAME_FIRST and NAME_COUNT, then NAME[NAME_COUNT][5] ([6]
//               with blank; PROGMEM for arduino), NAME_width[NAME_COUNT]
//               with widths; flat: one NAME[NAME_COUNT * 5] (* 6 with
//               blank), read at NAME[(c - NAME_FIRST) * 5 + col], as firmware
//               that indexes a System5x7[] does; proportional: one flat NAME[]
//               of each entry's lit columns, NAME_offset[] (the index of each
//               entry's first column) and NAME_width[]
//   dt, retlw   NAME_FIRST equ, the label NAME, one line (dt) or five
//               (retlw) per character, NAME_width with widths
//   avr         .equ NAME_FIRST, NAME:, .db lines two characters a line
//   gas         .set NAME_FIRST, a global NAME, .byte lines
//   bin         the entries' bytes alone
//
// With a text instead of a run of code points, the entries come in the
// text's order and NAME_index maps each code point from NAME_INDEX_FIRST on
// to its entry (NAME_NONE, 0xFF, for none). Every form but bin comments
// each entry with its character, and names those the library lacks.

#include "table/firmware_table.h"

#include <optional>
#include <string>
#include <vector>

namespace vorlix {

struct FontRequest {
    std::u32string characters; // the entries, in order
    bool byText = false;       // the characters are a text's, not a run of code points
    // Whose glyph a character the library lacks gets; dark columns without.
    std::optional<char32_t> missing;
    bool widths = false; // add NAME_width
    bool flat = false;   // c and arduino: one array of COUNT * 5, not COUNT rows of 5
};

struct FontOutput {
    std::string text;
    std::vector<char32_t> filled; // the entries the library had no glyph for
    bool darkFilled = true;       // they are dark: no glyph of the missing character either
    std::string error;            // when there is no such table; text is then empty
};

// request.message and request.prefix are not used; the bytes are turned,
// blanked, trimmed (proportional) and mirrored (reverse) as for a message.
FontOutput fontTable(FirmwareFormat format, const FirmwareRequest& request, const FontRequest& font,
                     const FontTable& table);

// A font's entries: the distinct characters of text in their order, else
// every code point from the lowest to the highest of characters, else of the
// library's own.
std::u32string fontEntries(std::u32string_view text, const std::vector<char32_t>& characters,
                           const FontTable& library);

// Every code point from the lowest to the highest of the characters (the
// table's own, for the first form), in order; empty for none.
std::u32string codePointSpan(const FontTable& table);
std::u32string codePointSpan(const std::vector<char32_t>& characters);

// For a font that lacks '"': why, and what to do instead (--missing, or
// the characters without it); empty when characters hold no '"'.
std::string quoteAdvice(const FontRequest& font);

// What a glyph's width is for NAME_width: its columns from the first lit one
// to the last, or spaceWidth for none.
int glyphWidth(const TableRow& row, int spaceWidth);

} // namespace vorlix
