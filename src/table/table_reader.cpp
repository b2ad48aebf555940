#include "table/table_reader.h"

#include "common/utf8.h"
#include "editor/column_text.h"
#include "editor/glyph.h"
#include "library/character_name.h"

#include <algorithm>
#include <cctype>
#include <charconv>

namespace vorlix {

namespace {

bool isSpace(char c) {
    return std::isspace(static_cast<unsigned char>(c)) != 0;
}

std::string_view trim(std::string_view text) {
    while (!text.empty() && isSpace(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && isSpace(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

char lowerChar(char c) {
    return static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
}

std::string lower(std::string_view text) {
    std::string out(text);
    std::ranges::transform(out, out.begin(), lowerChar);
    return out;
}

bool isIdentifier(std::string_view text) {
    return !text.empty() && (std::isalpha(static_cast<unsigned char>(text[0])) || text[0] == '_') &&
           std::ranges::all_of(text, [](unsigned char c) { return std::isalnum(c) || c == '_'; });
}

struct Number {
    unsigned long value = 0;
    TableNumber form;
};

// A number in any of the forms firmware is written in, and where its digits lie.
std::optional<Number> parseNumber(std::string_view token, bool hexRadix, bool c) {
    const std::string t = lower(token);
    std::size_t end = t.size();
    if (c) {
        while (end > 1 && std::isdigit(static_cast<unsigned char>(t[0])) &&
               (t[end - 1] == 'u' || t[end - 1] == 'l')) {
            --end;
        }
    }
    const std::string_view v = std::string_view(t).substr(0, end);
    const auto digits = [&](std::size_t from, std::size_t to, int base,
                            bool digitFirst = false) -> std::optional<Number> {
        if (to <= from) {
            return std::nullopt;
        }
        unsigned long value = 0;
        const auto [stop, error] = std::from_chars(v.data() + from, v.data() + to, value, base);
        if (error != std::errc{} || stop != v.data() + to) {
            return std::nullopt;
        }
        return Number{value, {0, from, to - from, base, digitFirst}};
    };
    if (v.starts_with("0x") || v.starts_with("&h")) {
        return digits(2, v.size(), 16);
    }
    const bool leadingDigit = !v.empty() && std::isdigit(static_cast<unsigned char>(v[0]));
    if (leadingDigit && v.size() > 1 && v.ends_with("h")) { // 0B7h is hex, whatever it starts with
        return digits(0, v.size() - 1, 16, true);
    }
    // Bare hex as gpasm reads it in dt and retlw lines, 0B1 too; a longer
    // 0b01001001 is binary, as no byte is that much hex.
    if (hexRadix && leadingDigit &&
        std::ranges::all_of(v, [](unsigned char d) { return std::isxdigit(d) != 0; })) {
        if (auto hex = digits(0, v.size(), 16, true);
            hex && (!v.starts_with("0b") || hex->value < 256)) {
            return hex;
        }
    }
    if (v.starts_with("0b")) {
        return digits(2, v.size(), 2);
    }
    if (v.starts_with("$")) {
        return digits(1, v.size(), 16);
    }
    if (v.size() >= 3 && v[1] == '\'' && v.back() == '\'') {
        for (const auto& [kind, base] :
             {std::pair{'h', 16}, {'x', 16}, {'d', 10}, {'b', 2}, {'o', 8}}) {
            if (v[0] == kind) {
                return digits(2, v.size() - 1, base);
            }
        }
    }
    if (v.starts_with("b")) { // the Arduino's B01111110
        return digits(1, v.size(), 2);
    }
    if (v.starts_with(".")) { // an explicit decimal in PIC assemblers
        return digits(1, v.size(), 10);
    }
    if (!leadingDigit) {
        return std::nullopt;
    }
    if (c && v.size() > 1 && v[0] == '0') {
        return digits(1, v.size(), 8);
    }
    return hexRadix ? digits(0, v.size(), 16, true) : digits(0, v.size(), 10);
}

// The text as code and as comments, each as long as the text with the
// other blanked out (line ends kept in both): /* */ and // always, ; in
// assembler; quotes are code ("..." in C, '...' too in assembler).
struct Split {
    std::string code;
    std::string comments;
};

Split splitComments(std::string_view text, bool c) {
    Split out{std::string(text), std::string(text.size(), ' ')};
    bool block = false;
    bool line = false;
    char quote = 0;
    const auto comment = [&](std::size_t i) {
        out.comments[i] = text[i];
        out.code[i] = ' ';
    };
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char ch = text[i];
        const char next = i + 1 < text.size() ? text[i + 1] : 0;
        if (ch == '\n') {
            line = false;
            quote = 0;
            out.comments[i] = '\n';
        } else if (block) {
            comment(i);
            if (ch == '*' && next == '/') {
                block = false;
                comment(++i);
            }
        } else if (line) {
            comment(i);
        } else if (quote != 0) {
            if (ch == '\\' && c && next != '\n') {
                ++i;
            } else if (ch == quote) {
                quote = 0;
            }
        } else if (ch == '/' && next == '*') {
            block = true;
            comment(i);
            comment(++i);
        } else if ((ch == '/' && next == '/') || (ch == ';' && !c)) {
            line = true;
            comment(i);
        } else if (ch == '"' || (ch == '\'' && !c)) {
            quote = ch;
        }
    }
    return out;
}

// Code with a '{' outside quotes: C, since no assembler form has braces.
bool looksLikeC(std::string_view code) {
    char quote = 0;
    for (const char ch : code) {
        if (ch == '\n') {
            quote = 0;
        } else if (quote != 0) {
            quote = ch == quote ? 0 : quote;
        } else if (ch == '"' || ch == '\'') {
            quote = ch;
        } else if (ch == '{') {
            return true;
        }
    }
    return false;
}

unsigned hexDigits(std::string_view digits) {
    unsigned value = 0;
    std::from_chars(digits.data(), digits.data() + digits.size(), value, 16);
    return value;
}

// The character a quoted name stands for, as commentQuoted writes it (or
// one UTF-8 character as it is), and the name's length from its opening quote.
std::optional<std::pair<char32_t, std::size_t>> quotedName(std::string_view text) {
    if (text.size() < 3 || text[0] != '\'') {
        return std::nullopt;
    }
    char32_t character = 0;
    std::size_t end = 2;
    if (text[1] == '\\') {
        static constexpr std::pair<char, std::size_t> escapes[] = {{'x', 2}, {'u', 4}, {'U', 8}};
        const char kind = text.size() > 2 ? text[2] : 0;
        end = 3;
        if (kind == '\\' || kind == '\'' || kind == '"') {
            character = static_cast<unsigned char>(kind);
        } else if (kind == 't' || kind == 'r' || kind == 'n') {
            character = kind == 't' ? U'\t' : kind == 'r' ? U'\r' : U'\n';
        } else {
            const auto* found =
                std::ranges::find(escapes, kind, &std::pair<char, std::size_t>::first);
            if (found == std::end(escapes) || text.size() < 3 + found->second ||
                !std::all_of(text.begin() + 3, text.begin() + 3 + found->second,
                             [](unsigned char d) { return std::isxdigit(d) != 0; })) {
                return std::nullopt;
            }
            character = hexDigits(text.substr(3, found->second));
            end = 3 + found->second;
        }
    } else {
        const std::size_t length = utf8SequenceLength(text.substr(1));
        if (length == 0 || text[1] == '\'') {
            return std::nullopt;
        }
        character = toCodePoints(text.substr(1, length)).front();
        end = 1 + length;
    }
    if (end >= text.size() || text[end] != '\'') {
        return std::nullopt;
    }
    return std::pair{character, end + 1};
}

// The characters the comments between from and to name: see TableBytes::names.
std::u32string commentNames(std::string_view comments, std::size_t from, std::size_t to) {
    std::u32string names;
    for (std::size_t i = from; i < to && i < comments.size(); ++i) {
        if (comments[i] != '\'') {
            continue;
        }
        const char before = i > 0 ? comments[i - 1] : ' ';
        const auto name = quotedName(comments.substr(i, to - i));
        if (!name) {
            continue;
        }
        const std::size_t after = i + name->second;
        const char follows = after < comments.size() ? comments[after] : ' ';
        const bool opens = before == '*' || before == '/' || before == ';';
        const bool spaced = isSpace(before) && (i < 3 || comments.substr(i - 3, 3) != "of ");
        if ((opens || spaced) && !std::isalnum(static_cast<unsigned char>(follows))) {
            names += name->first;
            i = after - 1;
        }
    }
    return names;
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

// Reads one value of a data line (a view into code) into out, or says why it is none.
std::optional<std::string> takeValue(std::string_view code, std::string_view token, bool hexRadix,
                                     bool c, TableBytes& out) {
    token = trim(token);
    const auto number = parseNumber(token, hexRadix, c);
    if (!number) {
        return quoted(token) + " is no number this table can hold";
    }
    if (number->value > 255) {
        return quoted(token) + " is more than a byte (255)";
    }
    out.bytes.push_back(static_cast<ColumnByte>(number->value));
    TableNumber& place = out.numbers.emplace_back(number->form);
    place.at = static_cast<std::size_t>(token.data() - code.data());
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
    TableBytes out;
    out.damage = at(runs[1].first, "table data lies apart, on lines " + runList(runs) +
                                       ": name the table to read with --label");
    return out;
}

TableBytes failed(Damage damage) {
    TableBytes out;
    out.damage = std::move(damage);
    return out;
}

TableBytes readAssembler(const Split& split, std::optional<FirmwareFormat> hint,
                         std::string_view label) {
    const std::string& code = split.code;
    const std::vector<std::string_view> lines = splitLines(code);
    bool decimalRadix = false;
    bool labelSeen = label.empty();
    TableBytes out;
    std::vector<Run> runs;
    bool inRun = false;
    std::size_t from = 0; // where the table's comments begin and end
    std::size_t to = 0;
    std::optional<Damage> firstProblem; // said after data lying apart, which says more
    for (std::size_t k = 0; k < lines.size(); ++k) {
        const int number = static_cast<int>(k) + 1;
        const std::string_view raw = lines[k];
        const std::size_t lineAt = static_cast<std::size_t>(raw.data() - code.data());
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
        if (isIdentifier(first) && !directive && (colon || !isSpace(raw[0]))) {
            name = first;
            rest = gap == std::string_view::npos ? std::string_view{} : trim(rest.substr(gap));
        }
        const std::size_t space = rest.find_first_of(" \t");
        const std::string word = lower(rest.substr(0, space));
        const bool data = std::ranges::find(directives, word) != std::end(directives);
        if (!label.empty() && name == label) {
            labelSeen = true;
            out = TableBytes{};
            runs.clear();
            inRun = false;
            from = lineAt;
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
            space == std::string_view::npos ? std::string_view{} : rest.substr(space);
        const std::size_t before = out.bytes.size();
        std::size_t start = 0;
        while (start <= values.size()) {
            const std::size_t end = std::min(values.find(',', start), values.size());
            if (auto problem = takeValue(code, values.substr(start, end - start),
                                         pic && !decimalRadix, false, out);
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
            from = label.empty() ? lineAt : from;
        }
        runs.back().last = number;
        to = lineAt + raw.size();
    }
    if (!labelSeen) {
        return failed(at(0, "there is no label " + quoted(label)));
    }
    if (runs.size() > 1) {
        return scattered(runs);
    }
    if (firstProblem) {
        return failed(*firstProblem);
    }
    out.names = commentNames(split.comments, from, to);
    return out;
}

// The name an initializer gives its array: the identifier before its first
// [ (or before the =).
std::string_view arrayName(std::string_view statement) {
    std::string_view head = trim(statement.substr(0, statement.find('[')));
    if (head.ends_with('=')) {
        head = trim(head.substr(0, head.size() - 1));
    }
    const std::size_t space = head.find_last_of(" \t\r\n*&");
    return space == std::string_view::npos ? head : head.substr(space + 1);
}

TableBytes readC(const Split& split, std::string_view label) {
    const std::string& code = split.code;
    TableBytes out;
    std::vector<Run> runs; // one for each array that held data
    std::string statement; // since the last ; { or } outside initializers
    int depth = 0;         // inside an initializer's braces
    int arrays = 0;
    int runArray = 0;
    bool taking = false;
    bool found = false;
    int line = 1;
    bool lineStart = true;
    std::size_t token = std::string::npos; // where the value being read began
    int tokenLine = 0;
    std::size_t from = 0;
    std::size_t to = 0;
    for (std::size_t i = 0; i < code.size(); ++i) {
        const char ch = code[i];
        if (ch == '\n') {
            ++line;
            lineStart = true;
            statement += depth == 0 ? " " : "";
            continue;
        }
        if (lineStart && depth == 0 && !isSpace(ch)) {
            lineStart = false;
            if (ch == '#') { // #define and #include, not data
                const std::size_t end = code.find('\n', i);
                i = (end == std::string::npos ? code.size() : end) - 1;
                continue;
            }
        }
        if (depth == 0) {
            if (ch == '{') {
                const std::string_view head = trim(statement);
                if (head.ends_with('=') || head.ends_with(']')) {
                    const std::string_view name = arrayName(head);
                    taking = label.empty() || (name == label && !found);
                    found = found || taking;
                    from = taking ? i : from;
                    depth = 1;
                    ++arrays;
                }
                // else a namespace, function or extern "C" block: arrays lie inside
                statement.clear();
            } else if (ch == ';' || ch == '}') {
                statement.clear();
            } else {
                statement += ch;
            }
            continue;
        }
        if (ch != '{' && ch != '}' && ch != ',') {
            if (token == std::string::npos && !isSpace(ch)) {
                token = i;
                tokenLine = line;
            }
            continue;
        }
        if (token != std::string::npos && taking) {
            if (auto problem = takeValue(code, std::string_view(code).substr(token, i - token),
                                         false, true, out)) {
                return failed(at(tokenLine, *problem));
            }
            if (runs.empty() || runArray != arrays) {
                runs.push_back({tokenLine, tokenLine});
                runArray = arrays;
            }
            runs.back().last = tokenLine;
        }
        token = std::string::npos;
        depth += ch == '{' ? 1 : ch == '}' ? -1 : 0;
        if (depth == 0) {
            to = taking ? i : to;
            taking = false;
        }
    }
    if (!label.empty() && !found) {
        return failed(at(0, "there is no array named " + quoted(label)));
    }
    if (runs.size() > 1) {
        return scattered(runs);
    }
    out.names = commentNames(split.comments, from, to);
    return out;
}

} // namespace

TableBytes readTableBytes(std::string_view text, std::optional<FirmwareFormat> hint,
                          std::string_view label) {
    if (hint == FirmwareFormat::bin) {
        TableBytes out;
        out.bytes.assign(text.begin(), text.end());
        return out;
    }
    // A byte-order mark is no part of the first line.
    const std::size_t base = text.starts_with("\xEF\xBB\xBF") ? 3 : 0;
    const std::string_view body = text.substr(base);
    const bool c = hint ? (*hint == FirmwareFormat::c || *hint == FirmwareFormat::arduino)
                        : looksLikeC(splitComments(body, false).code);
    TableBytes bytes = c ? readC(splitComments(body, true), label)
                         : readAssembler(splitComments(body, false), hint, label);
    bytes.labelled = !label.empty();
    for (TableNumber& number : bytes.numbers) {
        number.at += base;
    }
    if (!bytes.damage && bytes.bytes.empty()) {
        bytes.damage = at(0, label.empty() ? "there is no table data in it"
                                           : "there is no table data after " + quoted(label));
    }
    return bytes;
}

namespace {

// A glyph width that makes whole glyphs of count bytes, for a count that
// does not divide by the width asked for.
std::string likelyWidth(std::size_t count, std::size_t per) {
    for (const std::size_t width : {8u, 6u, 5u, 7u}) {
        if (width != per && count % width == 0 && count / width > 1) {
            return ": " + std::to_string(count / width) + " glyphs of " + std::to_string(width) +
                   " columns?" +
                   (width == 6   ? " (--blank reads 5 columns and a blank one)"
                    : width == 5 ? " (without --blank)"
                                 : "");
        }
    }
    return {};
}

} // namespace

std::size_t columnPlace(std::size_t c, std::size_t per, bool reverse) {
    return reverse ? per - 1 - c : c;
}

TableShape tableShape(const TableBytes& table, std::u32string_view given, bool blank) {
    const std::size_t per = columnsPerCharacter(blank);
    std::size_t count = table.bytes.size();
    if (table.mayEndWithPad && count % per == 1) {
        --count;
    }
    if (count % per != 0) {
        const std::string width = likelyWidth(count, per);
        return {{},
                per,
                std::to_string(count) + " bytes do not make glyphs of " + std::to_string(per) +
                    " columns (" + std::to_string(count % per) + " left over)" + width,
                width.empty() && !table.labelled};
    }
    const std::size_t glyphs = count / per;
    const std::u32string_view names = table.names;
    const bool named = names.size() == glyphs; // else the comments say something else
    if (given.empty() && !named) {
        return {{},
                per,
                "the table's comments do not name its " + std::to_string(glyphs) +
                    " glyphs' characters; give them (--chars or --text)"};
    }
    const std::u32string_view characters = given.empty() ? names : given;
    if (characters.size() != glyphs) {
        return {{},
                per,
                "the table holds " + std::to_string(glyphs) + " glyphs of " + std::to_string(per) +
                    " columns, but " + std::to_string(characters.size()) +
                    " characters were given for them",
                !table.labelled};
    }
    if (named) {
        const auto [name, character] = std::ranges::mismatch(names, characters);
        if (name != names.end()) {
            const auto place = static_cast<std::size_t>(name - names.begin());
            return {{},
                    per,
                    "glyph " + std::to_string(place + 1) + " is " + characterName(*name) +
                        " by the table's comments, but " + characterName(*character) +
                        " was given for it (a message written with --reverse stands backwards "
                        "in the file)"};
        }
    }
    return {std::u32string(characters), per, {}};
}

TableGlyphs glyphsOfTable(const TableBytes& table, std::u32string_view characters, bool blank,
                          BitOptions options, bool reverse) {
    const TableShape shape = tableShape(table, characters, blank);
    if (!shape.error.empty()) {
        return {{}, shape.error, shape.labelWouldHelp};
    }
    TableGlyphs out;
    for (std::size_t g = 0; g < shape.characters.size(); ++g) {
        FONTREC record{toUtf8(std::u32string(1, shape.characters[g])), {}};
        for (std::size_t c = 0; c < Glyph::columns; ++c) {
            const ColumnByte byte = table.bytes[g * shape.per + columnPlace(c, shape.per, reverse)];
            record.HEX[c] = hexText(encodeColumn(decodeColumn(byte, options), BitOptions{}));
        }
        out.records.push_back(record);
    }
    return out;
}

} // namespace vorlix
