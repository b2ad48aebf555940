// MAKETABLE over any message, prefix and library: the comment line, the
// count line and one "dt" line per character, joined by CR LF.

#include "common/utf8.h"
#include "library/library_format.h"
#include "table/make_table.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

std::size_t lineCount(std::string_view text) {
    std::size_t lines = 1;
    for (std::size_t pos = text.find("\r\n"); pos != std::string_view::npos;
         pos = text.find("\r\n", pos + 2)) {
        ++lines;
    }
    return lines;
}

} // namespace

// Input: flags byte, then message, prefix and library separated by 0xFF.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 1) {
        return 0;
    }
    const bool blank = (data[0] & 1) != 0;
    const std::string_view rest(reinterpret_cast<const char*>(data + 1), size - 1);
    const auto cut1 = rest.find('\xFF');
    const std::string_view message = rest.substr(0, cut1);
    const std::string_view tail = cut1 == std::string_view::npos ? "" : rest.substr(cut1 + 1);
    const auto cut2 = tail.find('\xFF');
    const std::string_view prefix = tail.substr(0, cut2);
    const std::string_view library = cut2 == std::string_view::npos ? "" : tail.substr(cut2 + 1);

    const vorlix::FontTable table = vorlix::parseLibrary(library).records;
    const std::string text = vorlix::MAKETABLE(message, prefix, blank, table);

    const std::size_t n = vorlix::toCodePoints(message).size();
    const std::string count = ";Total Columns = " + std::to_string(n * (blank ? 6 : 5));
    if (text.compare(0, 1 + message.size() + 2, ";" + std::string(message) + "\r\n") != 0 ||
        text.compare(3 + message.size(), count.size(), count) != 0) {
        std::abort();
    }
    // Line breaks inside the message, the prefix or a stored column add
    // lines of their own; the window's boxes cannot hold them.
    const auto hasBreak = [](std::string_view s) { return s.find_first_of("\r\n") != s.npos; };
    bool breaks = hasBreak(message) || hasBreak(prefix);
    for (const vorlix::FONTREC& record : table) {
        for (const std::string& column : record.HEX) {
            breaks = breaks || hasBreak(column);
        }
    }
    if (!breaks && (lineCount(text) != n + 2 || text.ends_with("\n"))) {
        std::abort();
    }
    return 0;
}
