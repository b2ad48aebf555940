#include "table/firmware_table.h"

#include "common/utf8.h"
#include "editor/column_text.h"
#include "table/make_table.h"
#include "table/message_bytes.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <vector>

namespace vorlix {

namespace {

std::string hexByte(ColumnByte value) {
    char text[8];
    std::snprintf(text, sizeof text, "0x%02X", static_cast<unsigned>(value));
    return text;
}

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
    char text[16];
    if (c < 0x20 || c == 0x7F) {
        std::snprintf(text, sizeof text, "\\x%02X", static_cast<unsigned>(c));
    } else if (c <= 0xFFFF) {
        std::snprintf(text, sizeof text, "\\u%04X", static_cast<unsigned>(c));
    } else {
        std::snprintf(text, sizeof text, "\\U%08X", static_cast<unsigned>(c));
    }
    return text;
}

std::string rowNote(const CharacterBytes& entry) {
    if (!entry.record) {
        return " not in the library";
    }
    std::string columns;
    int count = 0;
    for (std::size_t c = 0; c < entry.columns.size(); ++c) {
        if (!entry.columns[c]) {
            columns += (count++ == 0 ? " " : ", ") + std::to_string(c + 1);
        }
    }
    if (count == 0) {
        return {};
    }
    return count == 1 ? " (column" + columns + " is no byte)"
                      : " (columns" + columns + " are no bytes)";
}

} // namespace

std::string commentQuoted(std::u32string_view text, char quote) {
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

// One character's columns as the stick needs them.
struct Row {
    char32_t character = 0;
    std::vector<ColumnByte> bytes;
    std::vector<bool> known; // the column had a byte to turn
    std::string note;        // what the comment adds after the character
};

ColumnByte turned(ColumnByte stored, BitOptions options) {
    return encodeColumn(decodeColumn(stored, BitOptions{}), options);
}

std::vector<Row> rowsOf(const FirmwareRequest& request, const FontTable& table) {
    std::vector<Row> rows;
    for (const CharacterBytes& entry : messageBytes(request.message, table)) {
        Row& row = rows.emplace_back();
        row.character = entry.character;
        row.note = rowNote(entry);
        for (const auto& column : entry.columns) {
            row.bytes.push_back(column ? turned(*column, request.options) : 0);
            row.known.push_back(column.has_value());
        }
        if (request.blank) {
            row.bytes.push_back(turned(0xFF, request.options));
            row.known.push_back(true);
        }
    }
    return rows;
}

std::string characterComment(const Row& row) {
    return commentQuoted(std::u32string_view(&row.character, 1), '\'') + row.note;
}

std::string byteList(const std::vector<ColumnByte>& bytes) {
    std::string list;
    for (const ColumnByte byte : bytes) {
        list += (list.empty() ? "" : ", ") + hexByte(byte);
    }
    return list;
}

std::size_t columnCount(const FirmwareRequest& request) {
    return toCodePoints(request.message).size() * (request.blank ? 6 : 5);
}

// Lines after a table of entries one word each that stop the assembler
// when the table does not lie within one 256-word page.
std::string pageGuard(const std::string& label, std::size_t entries, const char* lineEnd) {
    char first[32];
    std::snprintf(first, sizeof first, "0x%zX", entries);
    return std::string("        if high($ - 1) != high($ - ") + first + ")" + lineEnd +
           "        error \"" + label + " crosses a 256-word boundary; move it or split it\"" +
           lineEnd + "        endif";
}

std::string dtTable(const FirmwareRequest& request, const FontTable& table) {
    std::string text;
    if (request.options == BitOptions{}) {
        text = MAKETABLE(request.message, request.prefix, request.blank, table);
    } else {
        static constexpr const char* separators[] = {",  ", ",   ", ",   ", ",   ", ",   "};
        text =
            ";" + request.message + "\r\n;Total Columns = " + std::to_string(columnCount(request));
        for (const Row& row : rowsOf(request, table)) {
            text += "\r\n       dt  ";
            for (std::size_t c = 0; c < row.bytes.size(); ++c) {
                text += (c > 0 ? separators[c - 1] : "") + request.prefix +
                        (row.known[c] ? hexText(row.bytes[c]).substr(2) : "");
            }
        }
    }
    if (request.labelLine) {
        // After the two comment lines, before the first dt.
        const std::size_t second = text.find("\r\n") + 2;
        const std::size_t end = text.find("\r\n", second);
        text.insert(end == std::string::npos ? text.size() : end, "\r\n" + request.label + ":");
    }
    if (request.guard) {
        text += "\r\n" + pageGuard(request.label, columnCount(request), "\r\n");
    }
    return text;
}

std::string asmComments(const FirmwareRequest& request) {
    return ";" + request.message + "\n;Total Columns = " + std::to_string(columnCount(request)) +
           "\n";
}

std::string retlwTable(const FirmwareRequest& request, const FontTable& table) {
    std::string text = asmComments(request) + (request.labelLine ? request.label + ":\n" : "");
    for (const Row& row : rowsOf(request, table)) {
        for (std::size_t c = 0; c < row.bytes.size(); ++c) {
            text += "        retlw   " + hexByte(row.bytes[c]);
            text += c == 0 ? "  ; " + characterComment(row) + "\n" : "\n";
        }
    }
    if (request.guard) {
        text += pageGuard(request.label, columnCount(request), "\n") + "\n";
    }
    return text;
}

std::string avrTable(const FirmwareRequest& request, const FontTable& table) {
    std::string text = asmComments(request) + request.label + ":\n";
    const std::vector<Row> rows = rowsOf(request, table);
    for (std::size_t k = 0; k < rows.size(); k += 2) {
        std::vector<ColumnByte> bytes = rows[k].bytes;
        std::string comment = characterComment(rows[k]);
        if (k + 1 < rows.size()) {
            bytes.insert(bytes.end(), rows[k + 1].bytes.begin(), rows[k + 1].bytes.end());
            comment += " " + characterComment(rows[k + 1]);
        }
        if (bytes.size() % 2 == 1) {
            bytes.push_back(0);
            comment += ", then a pad byte";
        }
        text += "        .db     " + byteList(bytes) + "  ; " + comment + "\n";
    }
    return text;
}

std::string cComment(const FirmwareRequest& request, const std::string& more = {}) {
    return "/* " + commentQuoted(toCodePoints(request.message), '"') + " - " +
           std::to_string(columnCount(request)) + " columns" + more + " */\n";
}

std::string cArray(const FirmwareRequest& request, const FontTable& table, const char* placement) {
    std::string text = "const unsigned char " + request.label + "[" +
                       std::to_string(columnCount(request)) + "]" + placement + " = {\n";
    for (const Row& row : rowsOf(request, table)) {
        text += "    " + byteList(row.bytes) + ", /* " + characterComment(row) + " */\n";
    }
    return text + "};\n";
}

std::string gasTable(const FirmwareRequest& request, const FontTable& table) {
    std::string text = cComment(request) + "        .section .rodata\n        .global " +
                       request.label + "\n" + request.label + ":\n";
    for (const Row& row : rowsOf(request, table)) {
        text +=
            "        .byte   " + byteList(row.bytes) + "  /* " + characterComment(row) + " */\n";
    }
    return text;
}

} // namespace

bool isReservedLabel(FirmwareFormat format, std::string_view name) {
    // clang-format off
    static constexpr std::string_view cWords[] = {
        "alignas", "alignof", "and", "and_eq", "asm", "auto", "bitand", "bitor", "bool", "break",
        "case", "catch", "char", "char8_t", "char16_t", "char32_t", "class", "compl", "concept",
        "const", "const_cast", "consteval", "constexpr", "constinit", "continue", "co_await",
        "co_return", "co_yield", "decltype", "default", "delete", "do", "double", "dynamic_cast",
        "else", "enum", "explicit", "export", "extern", "false", "float", "for", "friend", "goto",
        "if", "inline", "int", "long", "mutable", "namespace", "new", "noexcept", "not", "not_eq",
        "nullptr", "operator", "or", "or_eq", "private", "protected", "public", "register",
        "reinterpret_cast", "requires", "restrict", "return", "short", "signed", "sizeof",
        "static", "static_assert", "static_cast", "struct", "switch", "template", "this",
        "thread_local", "throw", "true", "try", "typedef", "typeid", "typename", "typeof",
        "typeof_unqual", "union", "unsigned", "using", "virtual", "void", "volatile", "wchar_t",
        "while", "xor", "xor_eq", "_Alignas", "_Alignof", "_Atomic", "_BitInt", "_Bool",
        "_Complex", "_Decimal128", "_Decimal32", "_Decimal64", "_Generic", "_Imaginary",
        "_Noreturn", "_Static_assert", "_Thread_local"};
    // What gpasm takes for an instruction or a directive rather than a label.
    static constexpr std::string_view picWords[] = {
        "addwf", "andwf", "clrf", "clrw", "comf", "decf", "decfsz", "incf", "incfsz", "iorwf",
        "movf", "movwf", "nop", "rlf", "rrf", "subwf", "swapf", "xorwf", "bcf", "bsf", "btfsc",
        "btfss", "addlw", "andlw", "call", "clrwdt", "goto", "iorlw", "movlw", "retfie", "retlw",
        "return", "sleep", "sublw", "xorlw", "option", "tris", "__config", "__idlocs", "__maxram",
        "__badram", "banksel", "bankisel", "pagesel", "constant", "da", "data", "db", "de", "dt",
        "dw", "else", "end", "endif", "endm", "endw", "equ", "error", "errorlevel", "exitm",
        "expand", "extern", "fill", "global", "if", "ifdef", "ifndef", "include", "list", "local",
        "macro", "messg", "noexpand", "nolist", "org", "page", "processor", "radix", "res", "set",
        "space", "subtitle", "title", "udata", "variable", "while", "code", "idata"};
    // clang-format on
    switch (format) {
    case FirmwareFormat::c:
    case FirmwareFormat::arduino:
        return std::ranges::find(cWords, name) != std::end(cWords);
    case FirmwareFormat::dt:
    case FirmwareFormat::retlw: {
        std::string lower(name);
        std::ranges::transform(lower, lower.begin(),
                               [](unsigned char c) { return std::tolower(c); });
        return std::ranges::find(picWords, lower) != std::end(picWords);
    }
    default:
        return false;
    }
}

std::string firmwareTable(FirmwareFormat format, const FirmwareRequest& request,
                          const FontTable& table) {
    switch (format) {
    case FirmwareFormat::dt:
        return dtTable(request, table);
    case FirmwareFormat::retlw:
        return retlwTable(request, table);
    case FirmwareFormat::avr:
        return avrTable(request, table);
    case FirmwareFormat::gas:
        return gasTable(request, table);
    case FirmwareFormat::c:
        return cComment(request) + cArray(request, table, "");
    case FirmwareFormat::arduino:
        return cComment(request, "; read column i with pgm_read_byte(&" + request.label + "[i])") +
               "#include <avr/pgmspace.h>\n\n" + cArray(request, table, " PROGMEM");
    case FirmwareFormat::bin:
        break;
    }
    std::string bytes;
    for (const Row& row : rowsOf(request, table)) {
        bytes.append(row.bytes.begin(), row.bytes.end());
    }
    return bytes;
}

std::optional<std::size_t> firstPageCrossing(unsigned org, std::size_t entries) {
    const std::size_t room = 256 - org % 256; // entries left in the first one's page
    return entries > room ? std::optional<std::size_t>(room) : std::nullopt;
}

} // namespace vorlix
