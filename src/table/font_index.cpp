#include "table/font_index.h"

#include "common/utf8.h"

namespace vorlix {

FontIndex::FontIndex(const FontTable& table, std::u32string_view message) {
    for (const char32_t character : message) {
        first_.emplace(character, std::nullopt);
    }
    std::size_t missing = first_.size();
    for (std::size_t k = 0; k < table.size() && missing > 0; ++k) {
        // Only a text of exactly one character can match one.
        const auto character = singleCodePoint(table.character(k));
        if (!character) {
            continue;
        }
        const auto it = first_.find(*character);
        if (it != first_.end() && !it->second) {
            it->second = k;
            --missing;
        }
    }
}

std::optional<std::size_t> FontIndex::find(char32_t character) const {
    const auto it = first_.find(character);
    return it == first_.end() ? std::nullopt : it->second;
}

} // namespace vorlix
