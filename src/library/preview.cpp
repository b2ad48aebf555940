#include "library/preview.h"

namespace vorlix {

Preview previewGlyph(const FONTREC& record, BINREC digits) {
    Preview preview;
    for (int c = 0; c < 5; ++c) {
        digits = DEC2BIN(record.HEX[c], 13, digits).digits;
        for (int r = 0; r < 8; ++r) {
            preview.lit[c * 8 + r] = digits.Bit[7 - r] != 1;
        }
    }
    preview.digits = digits;
    return preview;
}

} // namespace vorlix
