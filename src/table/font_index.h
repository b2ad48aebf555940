#pragma once
// The first record of each character of a message, found in one pass over
// the table instead of one scan per character.

#include "library/font_record.h"

#include <optional>
#include <string_view>
#include <unordered_map>

namespace vorlix {

class FontIndex {
public:
    // Indexes the characters (code points) of the message.
    FontIndex(const FontTable& table, std::u32string_view message);

    // The place in the table of the first record whose CHAR is exactly this
    // one character, as GETFONT finds it; empty when there is none. It must
    // be a character of the message.
    std::optional<std::size_t> find(char32_t character) const;

private:
    std::unordered_map<char32_t, std::optional<std::size_t>> first_;
};

} // namespace vorlix
