#include "table/font_index.h"

#include "common/utf8.h"

namespace vorlix {

FontIndex::FontIndex(const FontTable& table, std::string_view message) {
    std::string ch;
    for (const char32_t cp : toCodePoints(message)) {
        ch.clear();
        appendUtf8(ch, cp);
        first_.emplace(ch, nullptr);
    }
    std::size_t missing = first_.size();
    for (const FONTREC& record : table) {
        if (missing == 0) {
            break;
        }
        // A character is at most four bytes; longer texts match none.
        if (record.CHAR.size() > 4) {
            continue;
        }
        const auto it = first_.find(record.CHAR);
        if (it != first_.end() && it->second == nullptr) {
            it->second = &record;
            --missing;
        }
    }
}

const FONTREC* FontIndex::find(std::string_view ch) const {
    const auto it = first_.find(std::string(ch));
    return it == first_.end() ? nullptr : it->second;
}

} // namespace vorlix
