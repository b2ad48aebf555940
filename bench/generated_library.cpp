#include "generated_library.h"

#include "editor/column_text.h"

#include <random>

namespace vorlix {

FontTable generatedLibrary(int count) {
    std::mt19937 random(8);
    FontTable table(count);
    for (int k = 0; k < count; ++k) {
        const int letter = k - (count - 26);
        table[k].CHAR = letter >= 0 ? std::string(1, char('A' + letter)) : "g" + std::to_string(k);
        for (std::string& hex : table[k].HEX) {
            hex = hexText(random() % 256);
        }
    }
    return table;
}

} // namespace vorlix
