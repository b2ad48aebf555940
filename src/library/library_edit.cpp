#include "library/library_edit.h"

#include <algorithm>

namespace vorlix {

FONTREC recordToAppend(const std::string& ch, const std::array<std::string, 5>& columns,
                       bool invertColumns) {
    FONTREC record{ch, columns};
    if (invertColumns) {
        std::reverse(record.HEX.begin(), record.HEX.end());
    }
    return record;
}

std::optional<Rewrite> rewrittenBytes(ParsedLibrary parsed) {
    auto bytes = libraryBytes(parsed.records, parsed.encoding);
    if (!bytes) {
        return std::nullopt;
    }
    return Rewrite{std::move(*bytes), std::move(parsed.damage)};
}

std::optional<Rewrite> appendedBytes(std::string_view fileBytes, ParsedLibrary parsed,
                                     const FontTable& records) {
    if (parsed.damage) {
        for (const FONTREC& record : records) {
            parsed.records.push_back(record);
        }
        return rewrittenBytes(std::move(parsed));
    }
    const auto lines = libraryBytes(records, parsed.encoding);
    if (!lines) {
        return std::nullopt;
    }
    std::string bytes(fileBytes);
    const std::size_t mark = parsed.encoding == TextEncoding::utf8WithMark ? 3 : 0;
    if (bytes.size() > mark && bytes.back() != '\n' && bytes.back() != '\r') {
        bytes += "\r\n";
    }
    // A UTF-8 file keeps its one mark at the start.
    return Rewrite{bytes + (bytes.empty() ? *lines : lines->substr(mark)), std::nullopt};
}

} // namespace vorlix
