// Saves COUNT glyphs named PREFIX0, PREFIX1, ... into LIBRARY, one save at a
// time, as a second program writing the same library would.

#include "library/library_store.h"

#include <cstdio>
#include <string>

int main(int argc, char* argv[]) {
    if (argc != 4) {
        std::fputs("usage: save_glyphs LIBRARY PREFIX COUNT\n", stderr);
        return 2;
    }
    const QString library = QString::fromLocal8Bit(argv[1]);
    const int count = std::stoi(argv[3]);
    for (int i = 0; i < count; ++i) {
        const vorlix::FONTREC record{argv[2] + std::to_string(i),
                                     {"&H1", "&H2", "&H3", "&H4", "&H5"}};
        const auto outcome = vorlix::saveGlyph(library, record, false, [] { return false; });
        if (!outcome.error.isEmpty()) {
            std::fprintf(stderr, "%s\n", qPrintable(outcome.error));
            return 1;
        }
    }
    return 0;
}
