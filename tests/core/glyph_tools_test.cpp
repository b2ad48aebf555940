#include "editor/glyph_tools.h"

#include <gtest/gtest.h>

#include <string>

namespace vorlix {
namespace {

// Rows top to bottom, five characters a row, 'X' lit.
Glyph picture(const std::string& rows) {
    Glyph glyph;
    for (int r = 0; r < 8; ++r) {
        for (int c = 0; c < 5; ++c) {
            glyph.dots[c][r] = rows[r * 6 + c] == 'X';
        }
    }
    return glyph;
}

const Glyph corner = picture("XX... X.... ..... ..... ..... ..... ..... ....X");

TEST(GlyphTools, MoveFlipAndInvertEveryDot) {
    EXPECT_EQ(shifted(corner, 1, 1), picture("..... .XX.. .X... ..... ..... ..... ..... ....."));
    EXPECT_EQ(shifted(corner, -1, -1), picture("..... ..... ..... ..... ..... ..... ...X. ....."));
    EXPECT_EQ(mirroredLeftRight(corner),
              picture("...XX ....X ..... ..... ..... ..... ..... X...."));
    EXPECT_EQ(mirroredTopBottom(corner),
              picture("....X ..... ..... ..... ..... ..... X.... XX..."));
    EXPECT_EQ(inverted(corner), picture("..XXX .XXXX XXXXX XXXXX XXXXX XXXXX XXXXX XXXX."));
}

TEST(GlyphTools, HistoryUndoesAndRedoesInTurn) {
    GlyphHistory history;
    Glyph glyph;
    for (const Glyph& next : {corner, inverted(corner)}) {
        history.changed(glyph);
        glyph = next;
    }
    glyph = history.undo(glyph);
    EXPECT_EQ(glyph, corner);
    glyph = history.undo(glyph);
    EXPECT_EQ(glyph, Glyph{});
    EXPECT_FALSE(history.canUndo());
    glyph = history.redo(glyph);
    EXPECT_EQ(glyph, corner);
    history.changed(glyph); // a new change forgets what was undone
    EXPECT_FALSE(history.canRedo());
}

} // namespace
} // namespace vorlix
