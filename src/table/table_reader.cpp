#include "table/table_reader.h"

#include "common/utf8.h"
#include "editor/column_text.h"
#include "editor/glyph.h"

#include <algorithm>
#include <cctype>
#include <charconv>

namespace vorlix {

namespace {

std::string lower(std::string_view text) {
    std::string out(text);
    std::ranges::transform(out, out.begin(),
                           [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return out;
}

std::string_view trim(std::string_view text) {
    const auto space = [](char c) { return std::isspace(static_cast<unsigned char>(c)) != 0; };
    while (!text.empty() && space(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && space(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

bool isIdentifier(std::string_view text) {
    return !text.empty() && (std::isalpha(static_cast<unsigned char>(text[0])) || text[0] == '_') &&
           std::ranges::all_of(text, [](unsigned char c) { return std::isalnum(c) || c == '_'; });
}

std::optional<unsigned long> digitsValue(std::string_view digits, int base) {
    unsigned long value = 0;
    if (digits.empty()) {
        return std::nullopt;
    }
    const auto [end, error] =
        std::from_chars(digits.data(), digits.data() + digits.size(), value, base);
    return error == std::errc{} && end == digits.data() + digits.size()
               ? std::optional<unsigned long>(value)
               : std::nullopt;
}

// A number in any of the forms firmware is written in.
std::optional<unsigned long> numberValue(std::string_view token, bool hexRadix, bool c) {
    std::string t = lower(token);
    if (c) {
        while (t.size() > 1 && std::isdigit(static_cast<unsigned char>(t[0])) &&
               (t.back() == 'u' || t.back() == 'l')) {
            t.pop_back();
        }
    }
    const std::string_view v = t;
    const auto quoted = [&](char kind) -> std::optional<std::string_view> {
        if (v.size() >= 3 && v[0] == kind && v[1] == '\'' && v.back() == '\'') {
            return v.substr(2, v.size() - 3);
        }
        return std::nullopt;
    };
    if (v.starts_with("0x") || v.starts_with("&h")) {
        return digitsValue(v.substr(2), 16);
    }
    if (v.starts_with("0b")) {
        return digitsValue(v.substr(2), 2);
    }
    if (v.starts_with("$")) {
        return digitsValue(v.substr(1), 16);
    }
    for (const auto& [kind, base] :
         {std::pair{'h', 16}, {'x', 16}, {'d', 10}, {'b', 2}, {'o', 8}}) {
        if (const auto digits = quoted(kind)) {
            return digitsValue(*digits, base);
        }
    }
    if (v.starts_with("b")) { // the Arduino's B01111110
        return digitsValue(v.substr(1), 2);
    }
    if (v.starts_with(".")) { // an explicit decimal in PIC assemblers
        return digitsValue(v.substr(1), 10);
    }
    if (v.empty() || !std::isdigit(static_cast<unsigned char>(v[0]))) {
        return std::nullopt;
    }
    if (v.ends_with("h")) {
        return digitsValue(v.substr(0, v.size() - 1), 16);
    }
    if (c && v.size() > 1 && v[0] == '0') {
        return digitsValue(v.substr(1), 8);
    }
    return digitsValue(v, hexRadix ? 16 : 10);
}

// The text with comments blanked out, line ends kept: /* */ and // always,
// ; in assembler (outside quotes).
std::string withoutComments(std::string_view text, bool c) {
    std::string out;
    out.reserve(text.size());
    bool block = false;
    bool line = false;
    char quote = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char ch = text[i];
        const char next = i + 1 < text.size() ? text[i + 1] : 0;
        if (ch == '\n') {
            line = false;
            quote = 0;
            out += ch;
        } else if (block) {
            if (ch == '*' && next == '/') {
                block = false;
                ++i;
            }
            out += ' ';
        } else if (line) {
            out += ' ';
        } else if (quote != 0) {
            quote = ch == quote ? 0 : quote;
            out += ch;
        } else if (ch == '/' && next == '*') {
            block = true;
            ++i;
            out += "  ";
        } else if ((ch == '/' && next == '/') || (ch == ';' && !c)) {
            line = true;
            out += ' ';
        } else {
            quote = (ch == '"' || ch == '\'') && !c ? ch : 0;
            out += ch;
        }
    }
    return out;
}

std::vector<std::string_view> splitLines(std::string_view text) {
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    while (start <= text.size()) {
        const std::size_t end = std::min(text.find('\n', start), text.size());
        std::string_view line = text.substr(start, end - start);
        if (line.ends_with('\r')) {
            line.remove_suffix(1);
        }
        lines.push_back(line);
        start = end + 1;
    }
    return lines;
}

Damage at(int line, std::string what) {
    return {line, std::move(what)};
}

std::string quoted(std::string_view text) {
    return "'" + escapedBytes(text) + "'";
}

// Reads one value of a data line into bytes, or says why it is none.
std::optional<std::string> takeValue(std::string_view token, bool hexRadix, bool c,
                                     std::vector<ColumnByte>& bytes) {
    token = trim(token);
    const auto value = numberValue(token, hexRadix, c);
    if (!value) {
        return quoted(token) + " is no number this table can hold";
    }
    if (*value > 255) {
        return quoted(token) + " is more than a byte (255)";
    }
    bytes.push_back(static_cast<ColumnByte>(*value));
    return std::nullopt;
}

struct Run {
    int first = 0;
    int last = 0;
};

std::string runList(const std::vector<Run>& runs) {
    std::string text;
    for (std::size_t k = 0; k < runs.size(); ++k) {
        text += k == 0 ? "" : k + 1 == runs.size() ? " and " : ", ";
        text += runs[k].first == runs[k].last
                    ? std::to_string(runs[k].first)
                    : std::to_string(runs[k].first) + "-" + std::to_string(runs[k].last);
    }
    return text;
}

TableBytes scattered(const std::vector<Run>& runs) {
    return {{},
            false,
            at(runs[1].first, "table data lies apart, on lines " + runList(runs) +
                                  ": name the table to read with --label")};
}

TableBytes readAssembler(std::string_view text, std::optional<FirmwareFormat> hint,
                         std::string_view label) {
    const std::string code = withoutComments(text, false);
    const std::vector<std::string_view> lines = splitLines(code);
    bool decimalRadix = false;
    bool labelSeen = label.empty();
    TableBytes out;
    std::vector<Run> runs;
    bool inRun = false;
    std::optional<Damage> firstProblem; // said after data lying apart, which says more
    for (std::size_t k = 0; k < lines.size(); ++k) {
        const int number = static_cast<int>(k) + 1;
        const std::string_view raw = lines[k];
        std::string_view rest = trim(raw);
        if (rest.empty() || rest.starts_with('#')) {
            continue;
        }
        const std::string low = lower(rest);
        if (low.starts_with("radix") || low.find("r=dec") != std::string::npos) {
            decimalRadix = low.find("dec") != std::string::npos;
        }
        // A label: first at the line's start, or any name with a colon.
        std::string_view name;
        const std::size_t gap = rest.find_first_of(" \t");
        std::string_view first = rest.substr(0, gap);
        const bool colon = first.ends_with(':');
        if (colon) {
            first.remove_suffix(1);
        }
        static constexpr std::string_view directives[] = {"dt", "retlw", "db", ".db", ".byte"};
        const std::string firstLow = lower(first);
        const bool directive = std::ranges::find(directives, firstLow) != std::end(directives);
        if (isIdentifier(first) && !directive &&
            (colon || !std::isspace(static_cast<unsigned char>(raw[0])))) {
            name = first;
            rest = gap == std::string_view::npos ? std::string_view{} : trim(rest.substr(gap));
        }
        const std::size_t split = rest.find_first_of(" \t");
        const std::string word = lower(rest.substr(0, split));
        const bool data = std::ranges::find(directives, word) != std::end(directives);
        if (!label.empty() && name == label) {
            labelSeen = true;
            out.bytes.clear();
            runs.clear();
            inRun = false;
        } else if (!name.empty() && !label.empty() && !runs.empty()) {
            break; // another table begins
        }
        if (!data) {
            if (!rest.empty() && inRun) {
                inRun = false;
                if (!label.empty()) {
                    break;
                }
            }
            continue;
        }
        if (!labelSeen) {
            continue;
        }
        const bool pic = word == "dt" || word == "retlw" ||
                         (hint && (*hint == FirmwareFormat::dt || *hint == FirmwareFormat::retlw));
        const std::string_view values =
            split == std::string_view::npos ? std::string_view{} : rest.substr(split);
        const std::size_t before = out.bytes.size();
        std::size_t start = 0;
        while (start <= values.size()) {
            const std::size_t end = std::min(values.find(',', start), values.size());
            if (auto problem = takeValue(values.substr(start, end - start), pic && !decimalRadix,
                                         false, out.bytes);
                problem && !firstProblem) {
                firstProblem = at(number, *problem);
            }
            start = end + 1;
        }
        out.mayEndWithPad = (word == "db" || word == ".db") && out.bytes.size() > before &&
                            (out.bytes.size() - before) % 2 == 0 && out.bytes.back() == 0;
        if (!inRun) {
            runs.push_back({number, number});
            inRun = true;
        }
        runs.back().last = number;
    }
    if (!labelSeen) {
        return {{}, false, at(0, "there is no label " + quoted(label))};
    }
    if (runs.size() > 1) {
        return scattered(runs);
    }
    if (firstProblem) {
        return {{}, false, firstProblem};
    }
    return out;
}

TableBytes readC(std::string_view text, std::string_view label) {
    const std::string code = withoutComments(text, true);
    const std::vector<std::string_view> lines = splitLines(code);
    TableBytes out;
    std::vector<Run> runs; // one for each array that held data
    std::string statement; // since the last ; or } at the outer level
    int depth = 0;
    int arrays = 0;
    int runArray = 0;
    bool taking = false;
    bool found = false;
    for (std::size_t k = 0; k < lines.size(); ++k) {
        const int number = static_cast<int>(k) + 1;
        if (depth == 0 && trim(lines[k]).starts_with('#')) {
            continue; // #define and #include, not data
        }
        std::string token;
        bool dataHere = false;
        const auto flush = [&]() -> std::optional<std::string> {
            const std::string value(trim(token));
            token.clear();
            if (!taking || value.empty()) {
                return std::nullopt;
            }
            dataHere = true;
            return takeValue(value, false, true, out.bytes);
        };
        for (const char ch : lines[k]) {
            if (depth == 0) {
                if (ch == '{') {
                    // The array's name: the identifier before its first [.
                    const std::string_view head =
                        trim(std::string_view(statement).substr(0, statement.find('[')));
                    const std::size_t space = head.find_last_of(" \t*");
                    const std::string_view name =
                        space == std::string_view::npos ? head : head.substr(space + 1);
                    taking = label.empty() || (name == label && !found);
                    found = found || taking;
                    depth = 1;
                    ++arrays;
                } else if (ch == ';') {
                    statement.clear();
                } else {
                    statement += ch;
                }
                continue;
            }
            if (ch == '{' || ch == '}' || ch == ',') {
                if (auto problem = flush()) {
                    return {{}, false, at(number, *problem)};
                }
                depth += ch == '{' ? 1 : ch == '}' ? -1 : 0;
                if (depth == 0) {
                    statement.clear();
                    taking = false;
                }
            } else {
                token += ch;
            }
        }
        if (auto problem = flush()) {
            return {{}, false, at(number, *problem)};
        }
        if (dataHere) {
            if (runs.empty() || runArray != arrays) {
                runs.push_back({number, number});
                runArray = arrays;
            }
            runs.back().last = number;
        }
    }
    if (!label.empty() && !found) {
        return {{}, false, at(0, "there is no array named " + quoted(label))};
    }
    if (runs.size() > 1) {
        return scattered(runs);
    }
    return out;
}

} // namespace

TableBytes readTableBytes(std::string_view text, std::optional<FirmwareFormat> hint,
                          std::string_view label) {
    if (hint == FirmwareFormat::bin) {
        return {{text.begin(), text.end()}, false, std::nullopt};
    }
    const bool c = hint ? (*hint == FirmwareFormat::c || *hint == FirmwareFormat::arduino)
                        : text.find('{') != std::string_view::npos;
    TableBytes bytes = c ? readC(text, label) : readAssembler(text, hint, label);
    if (!bytes.damage && bytes.bytes.empty()) {
        bytes.damage = at(0, label.empty() ? "there is no table data in it"
                                           : "there is no table data after " + quoted(label));
    }
    return bytes;
}

TableGlyphs glyphsOfTable(const TableBytes& table, std::u32string_view characters, bool blank,
                          BitOptions options, bool reverse) {
    const std::size_t per = columnsPerCharacter(blank);
    std::vector<ColumnByte> bytes = table.bytes;
    if (table.mayEndWithPad && bytes.size() % per == 1) {
        bytes.pop_back();
    }
    if (bytes.size() % per != 0) {
        return {{},
                std::to_string(bytes.size()) + " bytes do not make glyphs of " +
                    std::to_string(per) + " columns (" + std::to_string(bytes.size() % per) +
                    " left over)"};
    }
    const std::size_t count = bytes.size() / per;
    if (count != characters.size()) {
        return {{},
                "the table holds " + std::to_string(count) + " glyphs of " + std::to_string(per) +
                    " columns, but " + std::to_string(characters.size()) +
                    " characters were given for them"};
    }
    TableGlyphs out;
    for (std::size_t g = 0; g < count; ++g) {
        std::vector<ColumnByte> group(bytes.begin() + g * per, bytes.begin() + (g + 1) * per);
        if (reverse) {
            std::ranges::reverse(group);
        }
        FONTREC record{toUtf8(std::u32string(1, characters[g])), {}};
        for (int c = 0; c < Glyph::columns; ++c) {
            record.HEX[c] = hexText(encodeColumn(decodeColumn(group[c], options), BitOptions{}));
        }
        out.records.push_back(record);
    }
    return out;
}

} // namespace vorlix
