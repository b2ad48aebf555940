#include "table/message_check.h"

#include "editor/column_text.h"
#include "library/character_name.h"
#include "library/library_format.h"
#include "table/message_bytes.h"

#include <set>

namespace vorlix {

std::vector<std::string> messageProblems(std::string_view message, const FontTable& table) {
    std::vector<std::string> problems;
    std::set<char32_t> reported;
    for (const CharacterBytes& entry : messageBytes(message, table)) {
        if (!reported.insert(entry.character).second) {
            continue;
        }
        const std::string name = characterName(entry.character);
        if (!entry.record) {
            problems.push_back(entry.character == U'"' ? std::string(quoteNeverStored)
                                                       : name + " is not in the library");
            continue;
        }
        for (std::size_t c = 0; c < entry.columns.size(); ++c) {
            if (!entry.columns[c]) {
                problems.push_back(name + ": column " + std::to_string(c + 1) + " " +
                                   quotedText(entry.record->HEX[c]) + " is not a byte (" +
                                   std::string(byteForm) + ")");
            }
        }
    }
    return problems;
}

} // namespace vorlix
