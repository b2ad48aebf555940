#include "table/table_update.h"

#include "editor/column_text.h"
#include "library/character_name.h"
#include "table/font_index.h"
#include "table/font_table.h"
#include "table/table_reader.h"
#include "table/table_rows.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <map>
#include <unordered_set>

namespace vorlix {

namespace {

// The digits of value in a number's form: its base, at least its width
// (but for decimal, where a leading 0 would make C read octal), in case.
std::string digitsOf(unsigned value, const TableNumber& form, bool upper) {
    char buffer[16];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, value, form.base).ptr;
    std::string digits(buffer, end);
    if (upper) {
        std::ranges::transform(digits, digits.begin(),
                               [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    }
    if (form.base != 10 && digits.size() < form.digitsLength) {
        digits.insert(0, form.digitsLength - digits.size(), '0');
    }
    if (form.digitFirst && std::isalpha(static_cast<unsigned char>(digits[0]))) {
        digits.insert(0, 1, '0');
    }
    return digits;
}

// Whether a number's hex letters are upper case: as its own are, else as
// the table's first are.
std::optional<bool> upperHex(std::string_view text, const TableNumber& number) {
    for (const char c : text.substr(number.at + number.digitsAt, number.digitsLength)) {
        if (number.base == 16 && std::isalpha(static_cast<unsigned char>(c))) {
            return std::isupper(static_cast<unsigned char>(c)) != 0;
        }
    }
    return std::nullopt;
}

bool upperHex(std::string_view text, const std::vector<TableNumber>& numbers) {
    for (const TableNumber& number : numbers) {
        if (const auto upper = upperHex(text, number)) {
            return *upper;
        }
    }
    return true;
}

// New values by the place of their number in the text.
using Edits = std::map<std::size_t, std::pair<const TableNumber*, ColumnByte>>;

std::string applied(std::string_view text, const Edits& edits, bool upper) {
    std::string out;
    out.reserve(text.size() + edits.size());
    std::size_t done = 0;
    for (const auto& [at, edit] : edits) {
        const TableNumber& number = *edit.first;
        out.append(text.substr(done, number.at + number.digitsAt - done));
        out += digitsOf(edit.second, number, upperHex(text, number).value_or(upper));
        done = number.at + number.digitsAt + number.digitsLength;
    }
    out.append(text.substr(done));
    return out;
}

TableUpdate refused(int line, std::string what) {
    TableUpdate out;
    out.damage = Damage{line, std::move(what)};
    return out;
}

// A companion table of one byte per glyph, when the text holds it.
std::optional<TableBytes> companion(std::string_view text, const TableUpdateRequest& request,
                                    const std::string& suffix) {
    TableBytes bytes = readTableBytes(text, request.format, request.label + suffix);
    if (bytes.damage && bytes.damage->line == 0) {
        return std::nullopt; // not there
    }
    return bytes;
}

} // namespace

namespace {

// Where each glyph's numbers stand in the table: fixed, per columns each,
// or proportional, as long as NAME_width says each glyph is.
struct Places {
    std::u32string characters;
    std::size_t per = 0;             // fixed glyphs' columns; 0 for proportional
    std::vector<std::size_t> starts; // proportional: each glyph's first number
    std::vector<ColumnByte> widths;  // proportional: each glyph's column count
    std::optional<Damage> damage;
};

Places proportionalPlaces(const TableBytes& table, const std::optional<TableBytes>& widths,
                          const TableUpdateRequest& request) {
    Places out;
    const auto refuse = [&](std::string what) {
        out.damage = Damage{0, request.label + " is proportional (" + request.label +
                                   "_offset): " + std::move(what) +
                                   "; write it anew with --font --proportional --widths"};
        return out;
    };
    if (!widths || widths->damage) {
        return refuse("without " + request.label + "_width its glyphs' widths are not known");
    }
    out.characters = request.characters.empty() ? table.names : request.characters;
    if (out.characters.size() != widths->bytes.size()) {
        return refuse(request.label + "_width holds " + std::to_string(widths->bytes.size()) +
                      " widths for " + std::to_string(out.characters.size()) + " characters");
    }
    std::size_t start = 0;
    for (const ColumnByte width : widths->bytes) {
        out.starts.push_back(start);
        start += width;
    }
    if (start != table.bytes.size()) {
        return refuse("its widths add up to " + std::to_string(start) + " columns, not the " +
                      std::to_string(table.bytes.size()) + " it holds");
    }
    out.widths = widths->bytes;
    return out;
}

} // namespace

TableUpdate updateTable(std::string_view text, const TableUpdateRequest& request,
                        const FontTable& library) {
    if (request.format == FirmwareFormat::bin) {
        return refused(0, "a binary table has no layout to keep; write it anew");
    }
    const TableBytes table = readTableBytes(text, request.format, request.label);
    if (table.damage) {
        return refused(table.damage->line, table.damage->what);
    }
    const std::optional<TableBytes> widths = companion(text, request, "_width");
    Places places;
    if (companion(text, request, "_offset")) {
        places = proportionalPlaces(table, widths, request);
    } else {
        const TableShape shape = tableShape(table, request.characters, request.blank);
        places.characters = shape.characters;
        places.per = shape.per;
        places.damage = shape.error.empty() ? std::nullopt : std::optional(Damage{0, shape.error});
    }
    if (places.damage) {
        return refused(places.damage->line, places.damage->what);
    }
    const std::u32string& characters = places.characters;
    const auto oneEach = [&](const TableBytes& bytes) { // an AVR pad byte after them or not
        return bytes.bytes.size() == characters.size() ||
               (bytes.mayEndWithPad && bytes.bytes.size() == characters.size() + 1);
    };
    if (widths && (widths->damage || !oneEach(*widths))) {
        return refused(widths->damage ? widths->damage->line : 0,
                       request.label + "_width does not hold one width for each of the " +
                           std::to_string(characters.size()) + " glyphs" +
                           (widths->damage ? ": " + widths->damage->what : std::string()));
    }

    std::u32string looked = characters;
    if (request.missing) {
        looked += *request.missing;
    }
    const FontIndex index(library, looked);
    const std::optional<std::size_t> substitute =
        request.missing ? index.find(*request.missing) : std::nullopt;
    TableUpdate out;
    Edits edits;
    std::unordered_set<char32_t> reported; // a message may hold a character more than once
    std::unordered_set<char32_t> lackedOnce;
    const auto set = [&](const std::vector<TableNumber>& numbers,
                         const std::vector<ColumnByte>& old, std::size_t k, ColumnByte value) {
        if (old[k] != value) {
            edits[numbers[k].at] = {&numbers[k], value};
            return true;
        }
        return false;
    };
    for (std::size_t g = 0; g < characters.size(); ++g) {
        const char32_t character = characters[g];
        std::optional<std::size_t> found = index.find(character);
        if (!found) {
            if (lackedOnce.insert(character).second) {
                out.lacked.push_back(character);
            }
            found = substitute;
        }
        if (!found) {
            continue; // its bytes stay
        }
        TableRow row; // as stored; a column that is no byte is known not
        for (int c = 0; c < Glyph::columns; ++c) {
            const auto stored = columnByte(library.column(*found, c));
            row.append(stored.value_or(TableRow::dark), stored.has_value());
        }
        const bool whole = std::all_of(row.known.begin(), row.known.begin() + Glyph::columns,
                                       [](bool known) { return known; });
        if (!whole && std::ranges::count(out.partial, character) == 0) {
            out.partial.push_back(character);
        }
        bool changed = false;
        if (places.per > 0) {
            for (std::size_t c = 0; c < Glyph::columns; ++c) {
                const std::size_t k = g * places.per + columnPlace(c, places.per, request.reverse);
                changed = (row.known[c] && set(table.numbers, table.bytes, k,
                                               columnByteOf(row.columns[c], request.options))) ||
                          changed;
            }
        } else {
            TableRow lit = row;
            trimToLit(lit, request.spaceWidth);
            if (request.reverse) {
                mirror(lit);
            }
            if (lit.size != places.widths[g]) {
                return refused(0, characterName(character) + " is " + std::to_string(lit.size) +
                                      " columns wide in the library but " +
                                      std::to_string(places.widths[g]) + " in " + request.label +
                                      ", a proportional font whose size the firmware fixed; "
                                      "write it anew with --font --proportional --widths");
            }
            for (std::size_t c = 0; c < lit.size; ++c) {
                changed = set(table.numbers, table.bytes, places.starts[g] + c,
                              columnByteOf(lit.columns[c], request.options)) ||
                          changed;
            }
        }
        if (widths) {
            set(widths->numbers, widths->bytes, g,
                static_cast<ColumnByte>(glyphWidth(row, request.spaceWidth)));
        }
        if (changed && reported.insert(character).second) {
            out.changed.push_back(character);
        }
    }
    if (!out.lacked.empty() && request.strict) {
        TableUpdate strict = refused(0, "the library lacks some of the table's characters");
        strict.lacked = std::move(out.lacked);
        return strict;
    }
    out.filled = substitute && !out.lacked.empty();
    out.text = applied(text, edits, upperHex(text, table.numbers));
    return out;
}

namespace {

struct Line {
    std::string_view text; // without its end
    bool ended = true;     // a line break follows
};

std::vector<Line> linesOf(std::string_view text) {
    std::vector<Line> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos) {
            lines.push_back({text.substr(start), false});
            break;
        }
        lines.push_back({text.substr(start, end - start), true});
        start = end + 1;
    }
    return lines;
}

} // namespace

std::string lineDiff(std::string_view before, std::string_view after, std::string_view name) {
    const std::vector<Line> old = linesOf(before);
    const std::vector<Line> now = linesOf(after);
    if (before == after || old.size() != now.size()) {
        return before == after ? std::string() : "the texts do not have the same lines\n";
    }
    std::vector<std::size_t> changed;
    for (std::size_t k = 0; k < old.size(); ++k) {
        if (old[k].text != now[k].text) {
            changed.push_back(k);
        }
    }
    constexpr std::size_t context = 3;
    std::string out = "--- a/" + std::string(name) + "\n+++ b/" + std::string(name) + "\n";
    const auto line = [&](char mark, const Line& l) {
        out += mark;
        out += l.text;
        out += l.ended ? "\n" : "\n\\ No newline at end of file\n";
    };
    for (std::size_t h = 0; h < changed.size();) {
        // One hunk: changes whose contexts touch.
        std::size_t last = h;
        while (last + 1 < changed.size() && changed[last + 1] - changed[last] <= 2 * context + 1) {
            ++last;
        }
        const std::size_t from = changed[h] >= context ? changed[h] - context : 0;
        const std::size_t to = std::min(old.size(), changed[last] + context + 1);
        const std::string span = std::to_string(from + 1) +
                                 (to - from == 1 ? std::string() : "," + std::to_string(to - from));
        out += "@@ -" + span + " +" + span + " @@\n";
        for (std::size_t k = from; k < to;) {
            if (!std::ranges::binary_search(changed, k)) {
                line(' ', old[k++]);
                continue;
            }
            std::size_t end = k; // a run of changed lines: all old, then all new
            while (end < to && std::ranges::binary_search(changed, end)) {
                ++end;
            }
            for (std::size_t j = k; j < end; ++j) {
                line('-', old[j]);
            }
            for (std::size_t j = k; j < end; ++j) {
                line('+', now[j]);
            }
            k = end;
        }
        h = last + 1;
    }
    return out;
}

} // namespace vorlix
