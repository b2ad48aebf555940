#pragma once
// Glyphs from real fonts, through FreeType: BDF, PCF (also gzipped),
// TrueType and OpenType.
//
// Fitting into 5x8: a bitmap strike of 5x8 or smaller goes in as it is, each
// glyph at its own place in the cell, its baseline on the font's own row
// (for a 5x8 font with a descent of 1, the second row from the bottom).
// An outline font is drawn in black and white at the largest size whose
// capitals and descenders fit the 8 rows, centred across by its ink, with
// its descenders on the bottom rows. A larger bitmap font is refused, unless
// cropping is asked for: then it is centred across, with the baseline on row
// 7, and cut at the cell's edges. A baseline row may be given. Dots that fall
// outside the cell are lost, and the glyph says so.

#include "editor/glyph.h"
#include "editor/bit_options.h"
#include "library/font_record.h"

#include <QString>

#include <optional>
#include <string>
#include <vector>

namespace vorlix {

struct ImportedGlyph {
    char32_t character = 0;
    Glyph glyph;
    bool clipped = false; // lit dots fell outside the cell
};

struct FontGlyphs {
    QString error; // the font could not be read; nothing else is set then
    std::vector<ImportedGlyph> glyphs;
    std::vector<char32_t> missing; // characters the font has no glyph for
    bool tooLarge = false;         // the error: a bitmap font larger than the cell, not cropped
};

// The glyphs of characters, in their order. baselineRow counts from 1 at the
// top: the lowest row that a letter without a descender reaches.
FontGlyphs readFontGlyphs(const QString& fontPath, const std::vector<char32_t>& characters,
                          std::optional<int> baselineRow = {}, bool crop = false);

// The records the editor would store for the font's glyphs, drawn with
// options, in the font's order.
FontTable glyphRecords(const FontGlyphs& font, BitOptions options);

// What importing a font would bring into the library: its glyphs, the
// records the editor would store for the same dots with options (appended
// without reversing the columns), and the characters that lose dots.
struct FontImport {
    FontGlyphs font;
    FontTable records;
    std::vector<char32_t> clipped;
};

FontImport readFontImport(const QString& fontPath, const std::vector<char32_t>& characters,
                          BitOptions options, std::optional<int> baselineRow = {},
                          bool crop = false);

} // namespace vorlix
