#include "library/library_check.h"

#include "common/utf8.h"
#include "editor/column_text.h"
#include "library/character_name.h"
#include "library/cp1252.h"

#include <algorithm>
#include <cstdio>
#include <map>

namespace vorlix {

namespace {

std::string undefinedBytes(std::string_view field) {
    std::string bytes;
    for (const char32_t c : toCodePoints(field)) {
        if (isUndefinedIn1252(c)) {
            char text[8];
            std::snprintf(text, sizeof text, "0x%02X", static_cast<unsigned>(c));
            bytes += (bytes.empty() ? "" : ", ") + std::string(text);
        }
    }
    return bytes;
}

} // namespace

std::vector<Finding> checkLibrary(const ParsedLibrary& library,
                                  std::optional<int> unmarkedUtf8Line) {
    std::vector<Finding> findings;
    std::map<std::string, int> firstLine;
    for (std::size_t i = 0; i < library.records.size(); ++i) {
        const FONTREC& record = library.records[i];
        const int line = library.lines[i];
        const std::string name = fieldName(record.CHAR);
        const auto [first, isNew] = firstLine.emplace(record.CHAR, line);
        if (!isNew) {
            findings.push_back({line, name + " again: the glyph on line " +
                                          std::to_string(first->second) +
                                          " is used, this one never is"});
        }
        for (std::size_t c = 0; c < record.HEX.size(); ++c) {
            if (!columnByte(record.HEX[c])) {
                findings.push_back({line, name + ": column " + std::to_string(c + 1) + " " +
                                              quotedText(record.HEX[c]) + " is not a byte (" +
                                              std::string(byteForm) + ")"});
            }
        }
        // In a UTF-8 file these are characters like any other.
        if (const std::string bytes = undefinedBytes(record.CHAR);
            library.encoding == TextEncoding::windows1252 && !bytes.empty()) {
            findings.push_back({line, name + " holds byte " + bytes +
                                          ", which Windows-1252 leaves undefined; was the "
                                          "file saved in another encoding?"});
        }
    }
    if (unmarkedUtf8Line) {
        findings.push_back({*unmarkedUtf8Line,
                            "these bytes read as UTF-8, but the file has no UTF-8 mark, so they "
                            "are read as Windows-1252: was it saved as UTF-8?"});
    }
    if (const auto& damage = library.damage) {
        findings.push_back({damage->line, "reading stops here: " + damage->what +
                                              "; nothing after this point loads"});
    }
    std::stable_sort(findings.begin(), findings.end(),
                     [](const Finding& a, const Finding& b) { return a.line < b.line; });
    return findings;
}

} // namespace vorlix
