// Glyphs from fonts: where their dots land in the 5x8 cell, and that the
// library then holds what the editor would store for the same dots.

#include "editor/column_encoding.h"
#include "library/library_store.h"
#include "render/font_import.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <algorithm>

namespace vorlix {
namespace {

// Rows top to bottom, 'X' lit; five characters a row.
Glyph picture(const std::array<const char*, 8>& rows) {
    Glyph glyph;
    for (int r = 0; r < 8; ++r) {
        for (int c = 0; c < 5; ++c) {
            glyph.dots[c][r] = rows[r][c] == 'X';
        }
    }
    return glyph;
}

const QString tiny = QStringLiteral(VORLIX_TEST_DATA "/tiny.bdf");

TEST(FontImport, SmallBitmapFontSitsOnItsOwnBaseline) {
    const FontGlyphs read = readFontGlyphs(tiny, {U'A', U'g', U'W', U'z'});
    ASSERT_TRUE(read.error.isEmpty());
    ASSERT_EQ(read.glyphs.size(), 3u);
    EXPECT_EQ(read.missing, std::vector<char32_t>{U'z'});
    const Glyph a =
        picture({".....", ".XX..", "X..X.", "X..X.", "XXXX.", "X..X.", "X..X.", "....."});
    const Glyph g =
        picture({".....", ".....", ".....", ".....", ".XXX.", "X..X.", ".XXX.", "XXX.."});
    const Glyph w =
        picture({".....", ".....", ".....", ".....", "X....", "X.XX.", "XX..X", "....."});
    EXPECT_EQ(read.glyphs[0].glyph, a);
    EXPECT_FALSE(read.glyphs[0].clipped);
    EXPECT_EQ(read.glyphs[1].glyph, g);
    EXPECT_EQ(read.glyphs[2].glyph, w); // its sixth column is lost
    EXPECT_TRUE(read.glyphs[2].clipped);
    // A baseline one row lower moves the letter down and cuts the descender.
    const FontGlyphs lower = readFontGlyphs(tiny, {U'A', U'g'}, 8);
    EXPECT_EQ(lower.glyphs[0].glyph.dots[0][7], true);
    EXPECT_TRUE(lower.glyphs[1].clipped);
    const FontGlyphs higher = readFontGlyphs(tiny, {U'A'}, 6); // its top on the top row
    EXPECT_TRUE(higher.glyphs[0].glyph.dots[1][0] && !higher.glyphs[0].clipped);
}

TEST(FontImport, StoresWhatTheEditorStoresForTheSameDots) {
    for (const BitOptions options : {BitOptions{false, false}, BitOptions{false, true},
                                     BitOptions{true, false}, BitOptions{true, true}}) {
        QTemporaryDir dir;
        const QString library = dir.filePath(QStringLiteral("FONTSDAT.txt"));
        const FontImport import = readFontImport(tiny, {U'"', U'A', U'g', U'z'}, options);
        const LibraryWrite merged = mergeGlyphs(library, import.records, {});
        ASSERT_EQ(merged.result, LibraryWrite::Result::written);
        EXPECT_EQ(mergeCounts(merged, import.font.missing.size()),
                  "added 2, replaced 0, kept 0, not in the font 1, refused 1");
        const LibraryLoad load = loadLibrary(library);
        ASSERT_EQ(load.parsed.records.size(), 2u);
        const FontGlyphs read = readFontGlyphs(tiny, {U'A', U'g'});
        for (std::size_t k = 0; k < 2; ++k) {
            EXPECT_EQ(decodeColumns(load.parsed.records[k].HEX, options), read.glyphs[k].glyph);
        }
        if (options == BitOptions{}) { // by default a lit dot is a 0 bit, the top row the MSB
            EXPECT_EQ(load.parsed.records[0].HEX,
                      (HexTexts{"&HC1", "&HB7", "&HB7", "&HC1", "&HFF"}));
        }
    }
}

// The 5x8 font draws as itself; an outline font is drawn at the size whose
// letters fit the rows: none loses dots, descenders take the bottom row,
// capitals stand on the row above; larger bitmaps are cut only when asked.
TEST(FontImport, SystemFontsFitTheCell) {
    const QString font = QStringLiteral("/usr/share/fonts/X11/misc/5x8.pcf.gz");
    const QString mono = QStringLiteral("/usr/share/fonts/truetype/dejavu/DejaVuSansMono.ttf");
    const QString big = QStringLiteral("/usr/share/fonts/X11/misc/10x20.pcf.gz");
    if (!QFile::exists(font) || !QFile::exists(mono) || !QFile::exists(big)) {
        GTEST_SKIP() << "needs Debian's xfonts-base and fonts-dejavu-core";
    }
    const FontGlyphs read = readFontGlyphs(font, {U'A', U'g', U'0'});
    ASSERT_EQ(read.glyphs.size(), 3u);
    EXPECT_EQ(read.glyphs[0].glyph,
              picture({".....", ".XX..", "X..X.", "X..X.", "XXXX.", "X..X.", "X..X.", "....."}));
    EXPECT_EQ(read.glyphs[1].glyph,
              picture({".....", ".....", ".....", ".XX..", "X..X.", ".XXX.", "...X.", ".XX.."}));
    EXPECT_EQ(read.glyphs[2].glyph,
              picture({".....", "..X..", ".X.X.", ".X.X.", ".X.X.", ".X.X.", "..X..", "....."}));
    const std::u32string_view letters =
        U"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    const FontGlyphs outlines = readFontGlyphs(mono, {letters.begin(), letters.end()});
    ASSERT_EQ(outlines.glyphs.size(), letters.size());
    for (const ImportedGlyph& imported : outlines.glyphs) {
        EXPECT_FALSE(imported.clipped) << static_cast<char>(imported.character);
        const bool tail = std::ranges::any_of(imported.glyph.dots, [](auto& c) { return c[7]; });
        EXPECT_EQ(tail,
                  std::u32string_view(U"Qgjpqy").find(imported.character) != std::string::npos)
            << static_cast<char>(imported.character);
    }
    EXPECT_TRUE(outlines.glyphs[7].glyph.dots[0][6]); // H stands on row 7
    const FontGlyphs refused = readFontGlyphs(big, {U'A'});
    EXPECT_TRUE(refused.tooLarge);
    EXPECT_TRUE(refused.error.contains("bitmap font of 10x20 pixels"));
    const FontGlyphs cropped = readFontGlyphs(big, {U'A'}, {}, true);
    ASSERT_EQ(cropped.glyphs.size(), 1u);
    EXPECT_TRUE(cropped.glyphs[0].clipped);
}

// DejaVu Sans Bold (kept in tests/data, so that its dots do not change with
// the system's fonts) fits the cell at a size whose letters take all 8 rows:
// the dot of j on row 2, its tail on row 8. One size smaller draws A lower.
TEST(FontImport, OutlineFontIsDrawnAtTheLargestSizeThatFits) {
    const FontGlyphs read =
        readFontGlyphs(QStringLiteral(VORLIX_TEST_DATA "/DejaVuSans-Bold.ttf"), {U'A', U'j'});
    ASSERT_EQ(read.glyphs.size(), 2u);
    EXPECT_EQ(read.glyphs[0].glyph,
              picture({".....", ".....", "..X..", ".XXX.", ".XXX.", ".X.X.", "XXXXX", "....."}));
    EXPECT_EQ(read.glyphs[1].glyph,
              picture({".....", "..X..", ".....", "..X..", "..X..", "..X..", "..X..", ".XX.."}));
}

TEST(FontImport, WhatIsNoFontOrHasNoUnicodeMapIsSaid) {
    EXPECT_TRUE(readFontGlyphs(QStringLiteral("/no/such.ttf"), {U'A'})
                    .error.endsWith("/no/such.ttf does not exist"));
    // Latin-2 codes are no code points: its glyph 0xE0 is not U+00E0.
    QTemporaryDir dir;
    QFile latin2(dir.filePath("latin2.bdf"));
    QFile source(tiny);
    ASSERT_TRUE(latin2.open(QIODevice::WriteOnly) && source.open(QIODevice::ReadOnly));
    latin2.write(source.readAll().replace("\"ISO10646\"", "\"ISO8859\"").replace("\"1\"", "\"2\""));
    latin2.close();
    EXPECT_TRUE(readFontGlyphs(latin2.fileName(), {U'A'}).error.contains("no Unicode"));
}

} // namespace
} // namespace vorlix
