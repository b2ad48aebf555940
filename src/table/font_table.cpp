#include "table/font_table.h"

#include "common/utf8.h"
#include "editor/glyph.h"
#include "library/character_ranges.h"
#include "library/library_format.h"

#include <algorithm>
#include <cstdio>
#include <unordered_map>

namespace vorlix {

namespace {

std::string codePoint(char32_t c) {
    char text[16];
    std::snprintf(text, sizeof text, "U+%04X", static_cast<unsigned>(c));
    return text;
}

std::string hexNumber(std::size_t value) {
    char text[24];
    std::snprintf(text, sizeof text, "0x%zX", value);
    return text;
}

struct Font {
    std::vector<TableRow> glyphs;
    std::vector<TableRow> widths; // one column each: the width as a byte
    std::vector<TableRow> index;  // with a text: each code point's entry
    std::size_t indexFirst = 0;
    std::vector<char32_t> filled;
    bool darkFilled = true;
};

// A number that goes through the column writers unchanged (with the
// default options).
TableRow valueRow(char32_t character, ColumnByte value, std::string note = {}) {
    TableRow row;
    row.character = character;
    row.append(value);
    row.note = std::move(note);
    return row;
}

Font buildFont(const FirmwareRequest& request, const FontRequest& font, const FontTable& table) {
    Font out;
    out.glyphs = characterRows(font.characters, request.blank, table);
    std::optional<TableRow> substitute;
    if (font.missing) {
        std::vector<TableRow> rows =
            characterRows(std::u32string(1, *font.missing), request.blank, table);
        if (rows.front().inLibrary) {
            substitute = rows.front();
            out.darkFilled = false;
        }
    }
    out.widths.reserve(font.widths ? out.glyphs.size() : 0);
    for (TableRow& row : out.glyphs) {
        if (!row.inLibrary) {
            out.filled.push_back(row.character);
            if (substitute) {
                row.columns = substitute->columns;
                row.size = substitute->size;
                row.note += ": the glyph of " +
                            commentQuoted(std::u32string(1, substitute->character), '\'');
            } else {
                row.note += ": dark";
            }
        }
        // A column that is no byte is dark: no form of a font writes bare prefixes.
        row.known.fill(true);
        if (font.widths) {
            TableRow& width = out.widths.emplace_back();
            width.character = row.character;
            width.append(static_cast<ColumnByte>(glyphWidth(row, request.spaceWidth)));
        }
        if (request.proportional) {
            trimToLit(row, request.spaceWidth);
        }
        if (request.reverse) {
            mirror(row);
        }
    }
    if (font.byText && !font.characters.empty()) {
        const auto [low, high] = std::ranges::minmax(font.characters);
        std::unordered_map<char32_t, std::size_t> entry;
        for (std::size_t k = font.characters.size(); k-- > 0;) {
            entry[font.characters[k]] = k;
        }
        out.indexFirst = low;
        for (char32_t c = low; c <= high; ++c) {
            const auto found = entry.find(c);
            out.index.push_back(found == entry.end()
                                    ? valueRow(c, 0xFF, " none")
                                    : valueRow(c, static_cast<ColumnByte>(found->second)));
        }
    }
    return out;
}

std::string heading(const FirmwareRequest& request, const FontRequest& font, const Font& built) {
    const std::u32string& cs = font.characters;
    std::string text = std::to_string(cs.size()) + " entries";
    if (!cs.empty()) {
        text += font.byText ? ", the characters of " + commentQuoted(cs, '"')
                            : ", " + codePoint(cs.front()) + " to " + codePoint(cs.back());
    }
    text += request.proportional
                ? ", lit columns only"
                : ", " + std::to_string(columnsPerCharacter(request.blank)) + " columns each";
    if (request.reverse) {
        text += ", mirrored";
    }
    if (!built.filled.empty()) {
        text += "; " + std::to_string(built.filled.size()) + " not in the library";
    }
    return text;
}

std::string cNumber(std::size_t value) {
    return std::to_string(value);
}

std::string cFont(FirmwareFormat format, const FirmwareRequest& request, const FontRequest& font,
                  const Font& built) {
    const std::string& name = request.label;
    const bool arduino = format == FirmwareFormat::arduino;
    const std::string placement = arduino ? " PROGMEM" : "";
    std::string text = "/* " + heading(request, font, built) + " */\n#include <stdint.h>\n";
    // A line of about 50 bytes for each entry, 30 for each width: grown once.
    text.reserve(built.glyphs.size() * 56 + built.widths.size() * 32 + built.index.size() * 32 +
                 1024);
    if (arduino) {
        text += "#include <avr/pgmspace.h>\n";
    }
    text += "\n";
    if (!font.byText) {
        text += "#define " + name + "_FIRST " + cNumber(font.characters.front()) +
                " /* code point of entry 0 */\n";
    }
    text += "#define " + name + "_COUNT " + cNumber(font.characters.size()) + " /* entries */\n";
    if (request.proportional) {
        text += "const uint8_t " + name + "[]" + placement + " = {\n";
        appendCLines(text, built.glyphs, request.options, false);
        text += "};\n";
        const bool wide = columnTotal(built.glyphs) > 0xFFFF;
        text += std::string("const ") + (wide ? "uint32_t " : "uint16_t ") + name + "_offset[" +
                name + "_COUNT]" + placement + " = {\n";
        std::size_t offset = 0;
        for (const TableRow& row : built.glyphs) {
            text += "    " + cNumber(offset) + ", /* ";
            text += characterComment(row);
            text += " */\n";
            offset += row.size;
        }
        text += "};\n";
    } else if (font.flat) {
        const std::string per = std::to_string(columnsPerCharacter(request.blank));
        const std::string entry = font.byText ? name + "_index[c - " + name + "_INDEX_FIRST]"
                                              : "(c - " + name + "_FIRST)";
        const std::string column = name + "[" + entry + " * " + per + " + col]";
        text += "/* column col of c: " + (arduino ? "pgm_read_byte(&" + column + ")" : column) +
                " */\nconst uint8_t " + name + "[" + name + "_COUNT * " + per + "]" + placement +
                " = {\n";
        appendCLines(text, built.glyphs, request.options, false);
        text += "};\n";
    } else {
        text += "const uint8_t " + name + "[" + name + "_COUNT][" +
                std::to_string(columnsPerCharacter(request.blank)) + "]" + placement + " = {\n";
        appendCLines(text, built.glyphs, request.options, true);
        text += "};\n";
    }
    if (!built.widths.empty()) {
        text += "const uint8_t " + name + "_width[" + name + "_COUNT]" + placement + " = {\n";
        appendCLines(text, built.widths, BitOptions{}, false);
        text += "};\n";
    }
    if (!built.index.empty()) {
        text += "#define " + name + "_INDEX_FIRST " + cNumber(built.indexFirst) +
                "        /* code point of " + name + "_index[0] */\n#define " + name +
                "_INDEX_COUNT " + cNumber(built.index.size()) + "\n#define " + name +
                "_NONE 0xFF        /* no entry */\nconst uint8_t " + name + "_index[" + name +
                "_INDEX_COUNT]" + placement + " = {\n";
        appendCLines(text, built.index, BitOptions{}, false);
        text += "};\n";
    }
    return text;
}

std::string picFont(FirmwareFormat format, const FirmwareRequest& request, const FontRequest& font,
                    const Font& built) {
    const bool dt = format == FirmwareFormat::dt;
    const char* end = dt ? "\r\n" : "\n";
    const auto lines = [&](const std::vector<TableRow>& rows, BitOptions options) {
        return dt ? dtLines(rows, "0x", options, end, true) + end : retlwLines(rows, options);
    };
    const std::string& name = request.label;
    std::string text = "; " + heading(request, font, built) + end;
    if (!font.byText) {
        text += name + "_FIRST equ " + hexNumber(font.characters.front()) + end;
    }
    text += name + ":" + (dt ? "" : end) + lines(built.glyphs, request.options);
    if (request.guard) {
        text += pageGuard(name, columnTotal(built.glyphs), end) + end;
    }
    if (!built.widths.empty()) {
        text += name + "_width:" + (dt ? "" : end) + lines(built.widths, BitOptions{});
    }
    if (!built.index.empty()) {
        text += name + "_INDEX_FIRST equ " + hexNumber(built.indexFirst) + end + name +
                "_index:" + (dt ? "" : end) + lines(built.index, BitOptions{});
    }
    return text;
}

std::string avrFont(const FirmwareRequest& request, const FontRequest& font, const Font& built) {
    const std::string& name = request.label;
    std::string text = "; " + heading(request, font, built) + "\n";
    if (!font.byText) {
        text += ".equ " + name + "_FIRST = " + hexNumber(font.characters.front()) + "\n";
    }
    text += name + ":\n" + dbLines(built.glyphs, request.options);
    if (!built.widths.empty()) {
        text += name + "_width:\n" + dbLines(built.widths, BitOptions{});
    }
    if (!built.index.empty()) {
        text += ".equ " + name + "_INDEX_FIRST = " + hexNumber(built.indexFirst) + "\n" + name +
                "_index:\n" + dbLines(built.index, BitOptions{});
    }
    return text;
}

std::string gasFont(const FirmwareRequest& request, const FontRequest& font, const Font& built) {
    const std::string& name = request.label;
    const auto table = [](const std::string& label, const std::string& lines) {
        return "        .global " + label + "\n" + label + ":\n" + lines;
    };
    std::string text = "/* " + heading(request, font, built) + " */\n";
    if (!font.byText) {
        text += "        .set    " + name + "_FIRST, " + hexNumber(font.characters.front()) + "\n";
    }
    text += "        .section .rodata\n" + table(name, byteLines(built.glyphs, request.options));
    if (!built.widths.empty()) {
        text += table(name + "_width", byteLines(built.widths, BitOptions{}));
    }
    if (!built.index.empty()) {
        text += "        .set    " + name + "_INDEX_FIRST, " + hexNumber(built.indexFirst) + "\n" +
                table(name + "_index", byteLines(built.index, BitOptions{}));
    }
    return text;
}

} // namespace

std::string quoteAdvice(const FontRequest& font) {
    std::u32string without = font.characters;
    std::erase(without, U'"');
    if (without.size() == font.characters.size()) {
        return {};
    }
    return std::string(quoteNeverStored) +
           "; give it another glyph with --missing, or leave it out" +
           (font.byText || without.empty() ? std::string(" of the text")
                                           : " with --chars " + rangesText(without));
}

int glyphWidth(const TableRow& row, int spaceWidth) {
    const auto lit = [&](std::size_t c) { return row.columns[c] != TableRow::dark; };
    std::size_t first = 0;
    std::size_t end = row.size;
    while (first < end && !lit(first)) {
        ++first;
    }
    while (end > first && !lit(end - 1)) {
        --end;
    }
    return first == end ? spaceWidth : static_cast<int>(end - first);
}

FontOutput fontTable(FirmwareFormat format, const FirmwareRequest& request, const FontRequest& font,
                     const FontTable& table) {
    if (font.characters.empty()) {
        return {{}, {}, true, "there are no characters to make a font of"};
    }
    if (font.byText && font.characters.size() > 255) {
        return {{}, {}, true, "a text gives at most 255 entries (the index holds bytes)"};
    }
    Font built = buildFont(request, font, table);
    std::string text;
    switch (format) {
    case FirmwareFormat::c:
    case FirmwareFormat::arduino:
        text = cFont(format, request, font, built);
        break;
    case FirmwareFormat::dt:
    case FirmwareFormat::retlw:
        text = picFont(format, request, font, built);
        break;
    case FirmwareFormat::avr:
        text = avrFont(request, font, built);
        break;
    case FirmwareFormat::gas:
        text = gasFont(request, font, built);
        break;
    case FirmwareFormat::bin:
        text = rawBytes(built.glyphs, request.options);
        break;
    }
    return {std::move(text), std::move(built.filled), built.darkFilled, {}};
}

std::u32string codePointSpan(const FontTable& table) {
    std::vector<char32_t> held;
    for (std::size_t k = 0; k < table.size(); ++k) {
        if (const auto c = singleCodePoint(table.character(k))) {
            held.push_back(*c);
        }
    }
    return codePointSpan(held);
}

std::u32string codePointSpan(const std::vector<char32_t>& characters) {
    if (characters.empty()) {
        return {};
    }
    const auto [low, high] = std::ranges::minmax(characters);
    std::u32string span;
    span.reserve(high - low + 1);
    for (char32_t c = low; c <= high; ++c) {
        span += c;
    }
    return span;
}

std::u32string fontEntries(std::u32string_view text, const std::vector<char32_t>& characters,
                           const FontTable& library) {
    if (text.empty()) {
        return characters.empty() ? codePointSpan(library) : codePointSpan(characters);
    }
    std::u32string entries;
    for (const char32_t c : text) {
        if (entries.find(c) == std::u32string::npos) {
            entries += c;
        }
    }
    return entries;
}

} // namespace vorlix
