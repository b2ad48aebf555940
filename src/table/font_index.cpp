#include "table/font_index.h"

#include "common/utf8.h"

namespace vorlix {

FontIndex::FontIndex(const FontTable& table, std::u32string_view message) {
    for (const char32_t character : message) {
        first_.emplace(character, nullptr);
    }
    std::size_t missing = first_.size();
    for (const FONTREC& record : table) {
        if (missing == 0) {
            break;
        }
        // Only a text of exactly one character can match one.
        const auto character = singleCodePoint(record.CHAR);
        if (!character) {
            continue;
        }
        const auto it = first_.find(*character);
        if (it != first_.end() && it->second == nullptr) {
            it->second = &record;
            --missing;
        }
    }
}

const FONTREC* FontIndex::find(char32_t character) const {
    const auto it = first_.find(character);
    return it == first_.end() ? nullptr : it->second;
}

} // namespace vorlix
