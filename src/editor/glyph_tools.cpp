#include "editor/glyph_tools.h"

namespace vorlix {

Glyph shifted(const Glyph& glyph, int columns, int rows) {
    Glyph moved;
    for (int c = 0; c < Glyph::columns; ++c) {
        for (int r = 0; r < Glyph::rows; ++r) {
            const int from = c - columns;
            const int fromRow = r - rows;
            moved.dots[c][r] = from >= 0 && from < Glyph::columns && fromRow >= 0 &&
                               fromRow < Glyph::rows && glyph.lit(from, fromRow);
        }
    }
    return moved;
}

Glyph mirroredLeftRight(const Glyph& glyph) {
    Glyph mirrored;
    for (int c = 0; c < Glyph::columns; ++c) {
        mirrored.dots[c] = glyph.dots[Glyph::columns - 1 - c];
    }
    return mirrored;
}

Glyph mirroredTopBottom(const Glyph& glyph) {
    Glyph mirrored;
    for (int c = 0; c < Glyph::columns; ++c) {
        for (int r = 0; r < Glyph::rows; ++r) {
            mirrored.dots[c][r] = glyph.lit(c, Glyph::rows - 1 - r);
        }
    }
    return mirrored;
}

Glyph inverted(const Glyph& glyph) {
    Glyph flipped;
    for (int c = 0; c < Glyph::columns; ++c) {
        for (int r = 0; r < Glyph::rows; ++r) {
            flipped.dots[c][r] = !glyph.lit(c, r);
        }
    }
    return flipped;
}

} // namespace vorlix
