#include "generated_library.h"

#include "common/utf8.h"
#include "editor/column_text.h"
#include "library/library_format.h"

#include <random>

namespace vorlix {

namespace {

void fillColumns(FONTREC& record, std::mt19937& random) {
    for (std::string& hex : record.HEX) {
        hex = hexText(random() % 256);
    }
}

} // namespace

FontTable generatedLibrary(int count) {
    std::mt19937 random(8);
    FontTable table;
    for (int k = 0; k < count; ++k) {
        const int letter = k - (count - 26);
        FONTREC record;
        record.CHAR = letter >= 0 ? std::string(1, char('A' + letter)) : "g" + std::to_string(k);
        fillColumns(record, random);
        table.push_back(record);
    }
    return table;
}

FontTable planeLibrary() {
    std::mt19937 random(9);
    FontTable table;
    const auto add = [&](std::u32string character) {
        FONTREC record;
        record.CHAR = toUtf8(character);
        fillColumns(record, random);
        table.push_back(record);
    };
    for (char32_t cp = 0x20; cp < 0x10000; ++cp) {
        if (cp != U'"' && !(cp >= 0x7F && cp < 0xA0) && !(cp >= 0xD800 && cp <= 0xDFFF)) {
            add(std::u32string(1, cp));
        }
    }
    for (char32_t second = 0x4E00; table.size() < 65536; ++second) {
        add(std::u32string{U'x', second});
    }
    return table;
}

std::string utf8File(const FontTable& table) {
    return *libraryBytes(table, TextEncoding::utf8WithMark);
}

} // namespace vorlix
