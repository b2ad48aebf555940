#include "library/preview.h"

#include "editor/bit_options.h"

namespace vorlix {

Preview previewGlyph(const FONTREC& record, BINREC digits) {
    // The preview consults none of the options: it reads every column as the
    // editor writes it by default.
    const BitOptions shown;
    Preview preview;
    for (int c = 0; c < 5; ++c) {
        digits = DEC2BIN(record.HEX[c], 13, digits).digits;
        for (int r = 0; r < 8; ++r) {
            preview.lit[c * 8 + r] = digits.Bit[shown.bitOfRow(r)] == shown.litBit();
        }
    }
    preview.digits = digits;
    return preview;
}

} // namespace vorlix
