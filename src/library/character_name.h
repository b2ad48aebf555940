#pragma once
// How the tool's reports name characters: "'A' (U+0041)", or the code point
// alone for one that would not show on a terminal.

#include <string>
#include <string_view>
#include <vector>

namespace vorlix {

std::string characterName(char32_t character);

// A stored text in double quotes, every character that would not show
// written as <U+XXXX>.
std::string quotedText(std::string_view utf8);

// A stored character field, which need not be exactly one character: as
// characterName when it is, otherwise as quotedText.
std::string fieldName(std::string_view utf8);

// Lists for reports, joined by ", "; of more than ten, the count and the
// first ten ("95 characters, the first 10: ...").
std::string characterNames(const std::vector<char32_t>& characters);
std::string fieldNames(const std::vector<std::string>& fields);

} // namespace vorlix
