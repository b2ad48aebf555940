#pragma once
// Sets of characters as users write them: "32-126,160-255", code points or
// ranges of them, decimal or 0x hex.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vorlix {

// The code points in the order written; empty for a text that is no such
// list (a surrogate, a value past U+10FFFF, a range that runs backwards).
std::optional<std::vector<char32_t>> characterRanges(std::string_view text);

// The characters as such a list, runs joined: "32-33,35-126".
std::string rangesText(const std::u32string& characters);

} // namespace vorlix
