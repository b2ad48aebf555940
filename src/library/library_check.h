#pragma once
// --check: what in a library would not work as its maker meant.

#include "library/library_format.h"

#include <string>
#include <vector>

namespace vorlix {

struct Finding {
    int line = 0; // 1-based line of the file; a record's is the line it starts on
    std::string what;

    bool operator==(const Finding&) const = default;
};

// In line order: a character stored again (the first glyph is the one used,
// so the later one is never reached), a column text that is no byte (see
// columnByte), a character stored as a byte that Windows-1252 leaves undefined
// (the only character outside 1252 that reading a file can give), and the
// damage that stopped reading; and where the file, read as Windows-1252,
// first holds bytes that read as UTF-8 (unmarkedUtf8Line, see firstUtf8Line).
std::vector<Finding> checkLibrary(const ParsedLibrary& library,
                                  std::optional<int> unmarkedUtf8Line = {});

} // namespace vorlix
