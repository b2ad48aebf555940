#pragma once
// What keeps a message from turning into exact column bytes, for --strict.

#include "library/font_record.h"

#include <string>
#include <string_view>
#include <vector>

namespace vorlix {

// One line per problem, in message order, each character reported once: a
// character the library has no glyph for, or a glyph column whose text is no
// byte (see columnByte).
std::vector<std::string> messageProblems(std::string_view message, const FontTable& table);

} // namespace vorlix
