#pragma once
// The message's columns as a C array, for firmware written in C:
//
//   /* "AB?" - 15 columns */
//   const unsigned char vorlix_table[15] = {
//       0x7E, 0x09, 0x09, 0x09, 0x7E, /* 'A' */
//       0x7F, 0x49, 0x49, 0x49, 0x36, /* 'B' */
//       0x00, 0x00, 0x00, 0x00, 0x00, /* '?' not in the library */
//   };
//
// One row per character, in message order, then 0xFF after the five columns
// when blank is set. A column whose text is no byte (see columnByte), and every
// column of a character the library lacks, is 0x00. Lines end in LF, the last
// included, as a C source file should.

#include "library/font_record.h"

#include <string>
#include <string_view>

namespace vorlix {

// The message must not be empty: C has no array of no elements.
std::string cTable(std::string_view message, bool blank, const FontTable& table);

// Text for inside a C comment, between the given quotes, in plain ASCII:
// backslash and the quote escaped with a backslash, tab, CR and LF as \t \r
// \n, other controls as \xHH, non-ASCII as \uXXXX or \UXXXXXXXX, and a
// backslash put between "*" and "/" either way round so that the text can
// neither end the comment nor open another.
std::string commentQuoted(std::u32string_view text, char quote);

} // namespace vorlix
