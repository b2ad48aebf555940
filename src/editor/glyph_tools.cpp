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

void GlyphHistory::changed(const Glyph& before) {
    undo_.push_back(before);
    redo_.clear();
}

Glyph GlyphHistory::undo(const Glyph& current) {
    redo_.push_back(current);
    const Glyph before = undo_.back();
    undo_.pop_back();
    return before;
}

Glyph GlyphHistory::redo(const Glyph& current) {
    undo_.push_back(current);
    const Glyph after = redo_.back();
    redo_.pop_back();
    return after;
}

} // namespace vorlix
