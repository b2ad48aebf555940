#include "cli/message_check.h"

#include "cli/character_name.h"
#include "cli/message_bytes.h"
#include "common/utf8.h"
#include "library/library_format.h"

#include <set>

namespace vorlix::cli {

std::vector<std::string> messageProblems(std::string_view message, const FontTable& table) {
    std::vector<std::string> problems;
    std::set<char32_t> reported;
    for (const CharacterBytes& entry : messageBytes(message, table)) {
        if (!reported.insert(entry.character).second) {
            continue;
        }
        const std::string name = characterName(entry.character);
        if (!entry.found) {
            problems.push_back(name + " is not in the library");
            continue;
        }
        const FONTREC record = GETFONT(table, toUtf8(std::u32string_view(&entry.character, 1)));
        for (std::size_t c = 0; c < entry.columns.size(); ++c) {
            if (!entry.columns[c]) {
                problems.push_back(name + ": column " + std::to_string(c + 1) + " " +
                                   quotedText(record.HEX[c]) +
                                   " is not a byte (&H and 1 or 2 hex digits)");
            }
        }
    }
    return problems;
}

} // namespace vorlix::cli
