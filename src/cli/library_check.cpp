#include "cli/library_check.h"

#include "cli/character_name.h"
#include "cli/message_bytes.h"
#include "common/utf8.h"

#include <algorithm>
#include <cstdio>
#include <map>

namespace vorlix::cli {

namespace {

// The bytes 1252 leaves undefined, read as the C1 controls of the same value.
bool isUndefinedIn1252(char32_t c) {
    return c == 0x81 || c == 0x8D || c == 0x8F || c == 0x90 || c == 0x9D;
}

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

std::vector<Finding> checkLibrary(const ParsedLibrary& library) {
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
                                              quotedText(record.HEX[c]) +
                                              " is not a byte (&H and 1 or 2 hex digits)"});
            }
        }
        if (const std::string bytes = undefinedBytes(record.CHAR); !bytes.empty()) {
            findings.push_back({line, name + " holds byte " + bytes +
                                          ", which Windows-1252 leaves undefined; was the "
                                          "file saved in another encoding?"});
        }
    }
    if (const auto& damage = library.damage) {
        findings.push_back({damage->line, "reading stops here: " + damage->what +
                                              "; nothing after this point loads"});
    }
    std::stable_sort(findings.begin(), findings.end(),
                     [](const Finding& a, const Finding& b) { return a.line < b.line; });
    return findings;
}

} // namespace vorlix::cli
