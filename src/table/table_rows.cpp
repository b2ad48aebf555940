#include "table/table_rows.h"

#include "editor/column_text.h"
#include "table/firmware_table.h"
#include "table/font_index.h"

#include <algorithm>
#include <cstdio>

namespace vorlix {

namespace {

// What the comment adds: the columns whose text is no byte.
std::string rowNote(const std::array<bool, 5>& known) {
    std::string columns;
    int count = 0;
    for (std::size_t c = 0; c < known.size(); ++c) {
        if (!known[c]) {
            columns += (count++ == 0 ? " " : ", ") + std::to_string(c + 1);
        }
    }
    if (count == 0) {
        return {};
    }
    return count == 1 ? " (column" + columns + " is no byte)"
                      : " (columns" + columns + " are no bytes)";
}

bool anyLit(ColumnByte stored) {
    return stored != TableRow::dark;
}

// Appends in place: a font has tens of thousands of rows.
void appendBytes(std::string& out, const TableRow& row, BitOptions options) {
    static constexpr char digits[] = "0123456789ABCDEF";
    for (std::size_t c = 0; c < row.size; ++c) {
        const ColumnByte byte = columnByteOf(row.columns[c], options);
        if (c > 0) {
            out += ", ";
        }
        out += {'0', 'x', digits[byte >> 4], digits[byte & 0xF]};
    }
}

std::string byteList(const TableRow& row, BitOptions options) {
    std::string list;
    appendBytes(list, row, options);
    return list;
}

} // namespace

std::string hexByte(ColumnByte value) {
    static constexpr char digits[] = "0123456789ABCDEF";
    return {'0', 'x', digits[value >> 4], digits[value & 0xF]};
}

std::vector<TableRow> characterRows(std::u32string_view characters, bool blank,
                                    const FontTable& table) {
    const FontIndex index(table, characters);
    std::vector<TableRow> rows(characters.size());
    for (std::size_t k = 0; k < characters.size(); ++k) {
        TableRow& row = rows[k];
        row.character = characters[k];
        const auto found = index.find(characters[k]);
        row.inLibrary = found.has_value();
        std::array<bool, 5> known{};
        for (int c = 0; c < Glyph::columns; ++c) {
            const auto byte = found ? columnByte(table.column(*found, c)) : std::nullopt;
            row.append(byte.value_or(TableRow::dark), byte.has_value());
            known[c] = byte.has_value();
        }
        row.note = found ? rowNote(known) : " not in the library";
        if (blank) {
            row.append(TableRow::dark);
        }
    }
    return rows;
}

ColumnByte columnByteOf(ColumnByte stored, BitOptions options) {
    // Four wirings, 256 bytes each: looked up, as a font turns every column.
    static const auto turned = [] {
        std::array<std::array<ColumnByte, 256>, 4> tables{};
        for (int wiring = 0; wiring < 4; ++wiring) {
            for (int byte = 0; byte < 256; ++byte) {
                tables[wiring][byte] =
                    encodeColumn(decodeColumn(static_cast<ColumnByte>(byte), BitOptions{}),
                                 {(wiring & 1) != 0, (wiring & 2) != 0});
            }
        }
        return tables;
    }();
    return turned[(options.invert ? 1 : 0) + (options.swapMsb ? 2 : 0)][stored];
}

void trimToLit(TableRow& row, int spaceWidth) {
    const auto* begin = row.columns.begin();
    const auto* first = std::find_if(begin, begin + row.size, anyLit);
    if (first == begin + row.size) {
        row = TableRow{row.character, 0, {}, {}, std::move(row.note), row.inLibrary};
        for (int c = 0; c < spaceWidth; ++c) {
            row.append(TableRow::dark);
        }
        return;
    }
    const auto* last = std::find_if(std::make_reverse_iterator(begin + row.size),
                                    std::make_reverse_iterator(first), anyLit)
                           .base();
    const auto from = static_cast<std::size_t>(first - begin);
    row.size = static_cast<std::size_t>(last - first);
    std::copy_n(row.columns.begin() + from, row.size, row.columns.begin());
    std::copy_n(row.known.begin() + from, row.size, row.known.begin());
}

void mirror(TableRow& row) {
    std::reverse(row.columns.begin(), row.columns.begin() + row.size);
    std::reverse(row.known.begin(), row.known.begin() + row.size);
}

std::size_t columnTotal(const std::vector<TableRow>& rows) {
    std::size_t total = 0;
    for (const TableRow& row : rows) {
        total += row.size;
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
        for (std::size_t c = 0; c < row.size; ++c) {
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
        for (std::size_t c = 0; c < row.size; ++c) {
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
        if (row.size == 0) {
            continue;
        }
        line += (line.empty() ? "" : ", ") + byteList(row, options);
        comment += (comment.empty() ? "" : " ") + characterComment(row);
        bytes += row.size;
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
    text.reserve(rows.size() * 64);
    for (const TableRow& row : rows) {
        if (row.size > 0) {
            text += "        .byte   ";
            appendBytes(text, row, options);
            text += "  /* ";
            text += characterComment(row);
            text += " */\n";
        }
    }
    return text;
}

void appendCLines(std::string& text, const std::vector<TableRow>& rows, BitOptions options,
                  bool rowBraces) {
    for (const TableRow& row : rows) {
        if (row.size == 0) {
            continue;
        }
        text += rowBraces ? "    {" : "    ";
        appendBytes(text, row, options);
        text += rowBraces ? "}, /* " : ", /* ";
        text += characterComment(row);
        text += " */\n";
    }
}

std::string rawBytes(const std::vector<TableRow>& rows, BitOptions options) {
    std::string bytes;
    bytes.reserve(columnTotal(rows));
    for (const TableRow& row : rows) {
        for (std::size_t c = 0; c < row.size; ++c) {
            bytes += static_cast<char>(columnByteOf(row.columns[c], options));
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
