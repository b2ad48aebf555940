#include "table/stick_columns.h"

#include "table/message_bytes.h"

#include <algorithm>

namespace vorlix {

std::vector<ColumnDots> stickColumns(std::string_view message, bool blank, const FontTable& table,
                                     BitOptions options) {
    std::vector<ColumnDots> columns;
    for (const CharacterBytes& entry : messageBytes(message, table)) {
        for (const auto& byte : entry.columns) {
            columns.push_back(byte ? decodeColumn(*byte, options) : ColumnDots{});
        }
        if (blank) {
            columns.push_back(ColumnDots{});
        }
    }
    return columns;
}

void reverseColumns(std::vector<ColumnDots>& columns) {
    std::reverse(columns.begin(), columns.end());
}

} // namespace vorlix
