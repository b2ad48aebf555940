#pragma once
// The assembler table for a message: a comment line with the message, a
// comment line with the column count, and one "dt" line of column values per
// character, lines joined by CR LF with none after the last.

#include "library/font_record.h"

#include <string>
#include <string_view>

namespace vorlix {

// A character is one Unicode code point of the UTF-8 message. Each value is
// the prefix and the stored column text less its first two characters (the
// "&H" mark); with blank, every line ends in a blank column prefix + "FF".
// Characters missing from the table give prefix-only values and still count.
std::string MAKETABLE(std::string_view message, std::string_view prefix, bool blank,
                      const FontTable& table);

} // namespace vorlix
