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

namespace {

std::optional<Rewrite> rewritten(ParsedLibrary parsed) {
    auto bytes = libraryBytes(parsed.records, parsed.encoding);
    if (!bytes) {
        return std::nullopt;
    }
    return Rewrite{std::move(*bytes), std::move(parsed.damage)};
}

} // namespace

std::optional<Rewrite> appendedBytes(std::string_view fileBytes, ParsedLibrary parsed,
                                     const FONTREC& record) {
    const auto line = recordLine(record, parsed.encoding);
    if (!line) {
        return std::nullopt;
    }
    if (parsed.damage) {
        parsed.records.push_back(record);
        return rewritten(std::move(parsed));
    }
    std::string bytes(fileBytes);
    const std::size_t mark = parsed.encoding == TextEncoding::utf8WithMark ? 3 : 0;
    if (bytes.size() > mark && bytes.back() != '\n' && bytes.back() != '\r') {
        bytes += "\r\n";
    }
    return Rewrite{bytes + *line, std::nullopt};
}

std::optional<Rewrite> replacedBytes(ParsedLibrary parsed, std::size_t k, const FONTREC& record) {
    parsed.records[k] = record;
    return rewritten(std::move(parsed));
}

} // namespace vorlix
