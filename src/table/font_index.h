#pragma once
// The first record of each character of a message, found in one pass over
// the table instead of one scan per character.

#include "library/font_record.h"

#include <string>
#include <string_view>
#include <unordered_map>

namespace vorlix {

class FontIndex {
public:
    // Indexes the characters (code points) of the UTF-8 message.
    FontIndex(const FontTable& table, std::string_view message);

    // The first record whose CHAR is ch, as GETFONT finds it; null when
    // there is none. ch must be a character of the message.
    const FONTREC* find(std::string_view ch) const;

private:
    std::unordered_map<std::string, const FONTREC*> first_;
};

} // namespace vorlix
