#include "table/table_rows.h"

#include "editor/column_text.h"
#include "table/firmware_table.h"
#include "table/message_bytes.h"
#include "table/stick_columns.h"

#include <algorithm>
#include <cstdio>

namespace vorlix {

namespace {

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

bool anyLit(const ColumnDots& dots) {
    return std::ranges::find(dots, true) != dots.end();
}

std::string byteList(const TableRow& row, BitOptions options) {
    std::string list;
    for (const ColumnDots& dots : row.columns) {
        list += (list.empty() ? "" : ", ") + hexByte(columnByteOf(dots, options));
    }
    return list;
}

} // namespace

std::string hexByte(ColumnByte value) {
    char text[8];
    std::snprintf(text, sizeof text, "0x%02X", static_cast<unsigned>(value));
    return text;
}

std::vector<TableRow> characterRows(std::u32string_view characters, bool blank,
                                    const FontTable& table) {
    std::vector<TableRow> rows;
    rows.reserve(characters.size());
    for (const CharacterBytes& entry : characterBytes(characters, table)) {
        TableRow& row = rows.emplace_back();
        row.character = entry.character;
        row.note = rowNote(entry);
        row.inLibrary = entry.record.has_value();
        for (const auto& column : entry.columns) {
            // Stored bytes are as the editor draws with its default options.
            row.columns.push_back(column ? decodeColumn(*column, BitOptions{}) : ColumnDots{});
            row.known.push_back(column.has_value());
        }
        if (blank) {
            row.columns.emplace_back();
            row.known.push_back(true);
        }
    }
    return rows;
}

ColumnByte columnByteOf(const ColumnDots& dots, BitOptions options) {
    return encodeColumn(dots, options);
}

void trimToLit(TableRow& row, int spaceWidth) {
    const auto first = std::ranges::find_if(row.columns, anyLit);
    if (first == row.columns.end()) {
        row.columns.assign(static_cast<std::size_t>(spaceWidth), ColumnDots{});
        row.known.assign(static_cast<std::size_t>(spaceWidth), true);
        return;
    }
    const auto last = std::find_if(row.columns.rbegin(), row.columns.rend(), anyLit).base();
    const auto from = first - row.columns.begin();
    const auto to = last - row.columns.begin();
    row.columns = {row.columns.begin() + from, row.columns.begin() + to};
    row.known = {row.known.begin() + from, row.known.begin() + to};
}

void mirror(TableRow& row) {
    reverseColumns(row.columns);
    std::reverse(row.known.begin(), row.known.end());
}

std::size_t columnTotal(const std::vector<TableRow>& rows) {
    std::size_t total = 0;
    for (const TableRow& row : rows) {
        total += row.columns.size();
    }
    return total;
}

std::string characterComment(const TableRow& row) {
    return commentQuoted(std::u32string_view(&row.character, 1), '\'') + row.note;
}

std::string dtLines(const std::vector<TableRow>& rows, std::string_view prefix, BitOptions options,
                    const char* lineEnd) {
    std::string text;
    for (const TableRow& row : rows) {
        text += lineEnd;
        text += "       dt  ";
        for (std::size_t c = 0; c < row.columns.size(); ++c) {
            text += c == 0 ? "" : c == 1 ? ",  " : ",   ";
            text += prefix;
            if (row.known[c]) {
                text += hexText(columnByteOf(row.columns[c], options)).substr(2);
            }
        }
    }
    return text;
}

std::string retlwLines(const std::vector<TableRow>& rows, BitOptions options) {
    std::string text;
    for (const TableRow& row : rows) {
        for (std::size_t c = 0; c < row.columns.size(); ++c) {
            text += "        retlw   " + hexByte(columnByteOf(row.columns[c], options));
            text += c == 0 ? "  ; " + characterComment(row) + "\n" : "\n";
        }
    }
    return text;
}

std::string dbLines(const std::vector<TableRow>& rows, BitOptions options) {
    std::string text;
    std::string line;
    std::string comment;
    std::size_t bytes = 0;
    int joined = 0;
    const auto flush = [&] {
        text += "        .db     " + line + "  ; " + comment + "\n";
        line.clear();
        comment.clear();
        bytes = 0;
        joined = 0;
    };
    for (const TableRow& row : rows) {
        if (row.columns.empty()) {
            continue;
        }
        line += (line.empty() ? "" : ", ") + byteList(row, options);
        comment += (comment.empty() ? "" : " ") + characterComment(row);
        bytes += row.columns.size();
        if (++joined >= 2 && bytes % 2 == 0) {
            flush();
        }
    }
    if (!line.empty()) {
        if (bytes % 2 == 1) {
            line += ", 0x00";
            comment += ", then a pad byte";
        }
        flush();
    }
    return text;
}

std::string byteLines(const std::vector<TableRow>& rows, BitOptions options) {
    std::string text;
    for (const TableRow& row : rows) {
        if (!row.columns.empty()) {
            text += "        .byte   " + byteList(row, options) + "  /* " + characterComment(row) +
                    " */\n";
        }
    }
    return text;
}

std::string cLines(const std::vector<TableRow>& rows, BitOptions options, bool rowBraces) {
    std::string text;
    for (const TableRow& row : rows) {
        if (row.columns.empty()) {
            continue;
        }
        text += rowBraces ? "    {" + byteList(row, options) + "},"
                          : "    " + byteList(row, options) + ",";
        text += " /* " + characterComment(row) + " */\n";
    }
    return text;
}

std::string rawBytes(const std::vector<TableRow>& rows, BitOptions options) {
    std::string bytes;
    bytes.reserve(columnTotal(rows));
    for (const TableRow& row : rows) {
        for (const ColumnDots& dots : row.columns) {
            bytes += static_cast<char>(columnByteOf(dots, options));
        }
    }
    return bytes;
}

std::string pageGuard(const std::string& label, std::size_t entries, const char* lineEnd) {
    char first[32];
    std::snprintf(first, sizeof first, "0x%zX", entries);
    return std::string("        if high($ - 1) != high($ - ") + first + ")" + lineEnd +
           "        error \"" + label + " crosses a 256-word boundary; move it or split it\"" +
           lineEnd + "        endif";
}

} // namespace vorlix
