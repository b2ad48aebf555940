#pragma once
// The first record of each character of a message, found in one pass over
// the table instead of one scan per character.

#include "library/font_record.h"

#include <string_view>
#include <unordered_map>

namespace vorlix {

class FontIndex {
public:
    // Indexes the characters (code points) of the UTF-8 message.
    FontIndex(const FontTable& table, std::u32string_view message);

    // The first record whose CHAR is exactly this one character, as GETFONT
    // finds it; null when there is none. It must be a character of the message.
    const FONTREC* find(char32_t character) const;

private:
    std::unordered_map<char32_t, const FONTREC*> first_;
};

} // namespace vorlix
