#include "table/firmware_table.h"

#include "common/utf8.h"
#include "editor/column_text.h"
#include "editor/glyph.h"
#include "table/make_table.h"
#include "table/message_bytes.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <vector>

namespace vorlix {

namespace {

std::string escape(char32_t c) {
    switch (c) {
    case U'\t':
        return "\\t";
    case U'\r':
        return "\\r";
    case U'\n':
        return "\\n";
    default:
        break;
    }
    // By hand rather than by snprintf: a font's every row may need one.
    const bool control = c < 0x20 || c == 0x7F;
    const int digits = control ? 2 : c <= 0xFFFF ? 4 : 8;
    std::string text = control ? "\\x" : c <= 0xFFFF ? "\\u" : "\\U";
    for (int shift = 4 * (digits - 1); shift >= 0; shift -= 4) {
        text += "0123456789ABCDEF"[(c >> shift) & 0xF];
    }
    return text;
}

} // namespace

std::string commentQuoted(std::u32string_view text, char quote) {
    const auto plain = [quote](char32_t c) {
        return c >= 0x20 && c < 0x7F && c != U'\\' && c != static_cast<char32_t>(quote);
    };
    if (text.size() == 1 && plain(text[0])) { // a table's every row: no loop, no escape
        return {quote, static_cast<char>(text[0]), quote};
    }
    std::string out(1, quote);
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char32_t c = text[i];
        const char32_t next = i + 1 < text.size() ? text[i + 1] : 0;
        if (c == U'\\' || c == static_cast<char32_t>(quote)) {
            out += '\\';
            out += static_cast<char>(c);
        } else if (c < 0x20 || c >= 0x7F) {
            out += escape(c);
        } else {
            out += static_cast<char>(c);
            if ((c == U'*' && next == U'/') || (c == U'/' && next == U'*')) {
                out += '\\';
            }
        }
    }
    out += quote;
    return out;
}

namespace {

// The message's rows, its characters decoded once by the caller.
std::vector<TableRow> rowsOf(const FirmwareRequest& request, std::u32string_view characters,
                             const FontTable& table) {
    std::vector<TableRow> rows = characterRows(characters, request.blank, table);
    if (request.proportional) {
        for (std::size_t k = 0; k < rows.size(); ++k) {
            trimToLit(rows[k], request.spaceWidth);
            if (k + 1 < rows.size()) {
                rows[k].append(TableRow::dark);
            }
        }
    }
    if (request.reverse) {
        std::ranges::reverse(rows);
        std::ranges::for_each(rows, mirror);
    }
    return rows;
}

std::string dtTable(const FirmwareRequest& request, std::u32string_view characters,
                    const FontTable& table) {
    std::string text;
    std::size_t columns = characters.size() * columnsPerCharacter(request.blank);
    if (request.options == BitOptions{} && !request.proportional && !request.reverse) {
        text = MAKETABLE(request.message, request.prefix, request.blank, table);
    } else {
        const std::vector<TableRow> rows = rowsOf(request, characters, table);
        columns = columnTotal(rows);
        text = ";" + request.message + "\r\n;Total Columns = " + std::to_string(columns) +
               dtLines(rows, request.prefix, request.options, "\r\n");
    }
    if (request.labelLine) {
        // After the two comment lines, before the first dt.
        const std::size_t second = text.find("\r\n") + 2;
        const std::size_t end = text.find("\r\n", second);
        text.insert(end == std::string::npos ? text.size() : end, "\r\n" + request.label + ":");
    }
    if (request.guard) {
        text += "\r\n" + pageGuard(request.label, columns, "\r\n");
    }
    return text;
}

std::string asmComments(const FirmwareRequest& request, std::size_t columns) {
    return ";" + request.message + "\n;Total Columns = " + std::to_string(columns) + "\n";
}

std::string retlwTable(const FirmwareRequest& request, const std::vector<TableRow>& rows) {
    std::string text = asmComments(request, columnTotal(rows)) +
                       (request.labelLine ? request.label + ":\n" : "") +
                       retlwLines(rows, request.options);
    if (request.guard) {
        text += pageGuard(request.label, columnTotal(rows), "\n") + "\n";
    }
    return text;
}

std::string cComment(std::u32string_view characters, std::size_t columns,
                     const std::string& more = {}) {
    return "/* " + commentQuoted(characters, '"') + " - " + std::to_string(columns) + " columns" +
           more + " */\n";
}

std::string cArray(const FirmwareRequest& request, const std::vector<TableRow>& rows,
                   const char* placement) {
    std::string text = "const unsigned char " + request.label + "[" +
                       std::to_string(columnTotal(rows)) + "]" + placement + " = {\n";
    appendCLines(text, rows, request.options, false);
    return text + "};\n";
}

} // namespace

std::vector<TableRow> messageRows(const FirmwareRequest& request, const FontTable& table) {
    return rowsOf(request, toCodePoints(request.message), table);
}

std::string firmwareTable(FirmwareFormat format, const FirmwareRequest& request,
                          const FontTable& table) {
    const std::u32string characters = toCodePoints(request.message);
    if (format == FirmwareFormat::dt) {
        return dtTable(request, characters, table);
    }
    const std::vector<TableRow> rows = rowsOf(request, characters, table);
    const std::size_t columns = columnTotal(rows);
    switch (format) {
    case FirmwareFormat::dt:
    case FirmwareFormat::retlw:
        return retlwTable(request, rows);
    case FirmwareFormat::avr:
        return asmComments(request, columns) + request.label + ":\n" +
               dbLines(rows, request.options);
    case FirmwareFormat::gas:
        return cComment(characters, columns) + "        .section .rodata\n        .global " +
               request.label + "\n" + request.label + ":\n" + byteLines(rows, request.options);
    case FirmwareFormat::c:
        return cComment(characters, columns) + cArray(request, rows, "");
    case FirmwareFormat::arduino:
        return cComment(characters, columns,
                        "; read column i with pgm_read_byte(&" + request.label + "[i])") +
               "#include <avr/pgmspace.h>\n\n" + cArray(request, rows, " PROGMEM");
    case FirmwareFormat::bin:
        break;
    }
    return rawBytes(rows, request.options);
}

std::optional<PageCrossing> pageCrossing(unsigned org, const std::vector<TableRow>& rows) {
    const std::size_t room = 256 - org % 256; // entries left in the first one's page
    if (columnTotal(rows) <= room) {
        return std::nullopt;
    }
    std::size_t row = 0;
    std::size_t column = room;
    while (column >= rows[row].size) {
        column -= rows[row++].size;
    }
    return PageCrossing{room, rows[row].character, column};
}

} // namespace vorlix
