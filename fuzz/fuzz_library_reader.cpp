// Any bytes as FONTSDAT.txt: the reader returns whole records and at most
// one damage report, and what it accepted survives a write and a re-read.

#include "library/library_format.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const vorlix::ParsedLibrary parsed = vorlix::parseLibrary(bytes);

    if (parsed.damage) {
        const auto lines = static_cast<int>(std::count(bytes.begin(), bytes.end(), '\n') +
                                            std::count(bytes.begin(), bytes.end(), '\r'));
        if (parsed.damage->line < 1 || parsed.damage->line > lines + 1 ||
            parsed.damage->what.empty()) {
            std::abort();
        }
    }
    const auto written = vorlix::libraryBytes(parsed.records, parsed.encoding);
    if (!written) {
        std::abort(); // everything the reader gives back must be storable
    }
    const vorlix::ParsedLibrary again = vorlix::parseLibrary(*written);
    if (again.damage || again.records != parsed.records) {
        std::abort();
    }
    return 0;
}
