#pragma once
// Glyphs from real fonts, through FreeType: BDF, PCF (also gzipped),
// TrueType and OpenType.
//
// Fitting into 5x8: a bitmap strike of 5x8 or smaller goes in as it is, each
// glyph at its own place in the cell, its baseline on the font's own row
// (for a 5x8 font with a descent of 1, the second row from the bottom).
// Larger bitmap fonts, and outline fonts drawn in black and white at 8
// pixels, are centred across by their ink, with the baseline on row 7 of 8.
// Either way a baseline row may be given. Dots that fall outside the cell are
// lost, and the glyph says so.

#include "editor/glyph.h"
#include "library/library_store.h"

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
};

// The glyphs of characters, in their order. baselineRow counts from 1 at the
// top: the lowest row that a letter without a descender reaches.
FontGlyphs readFontGlyphs(const QString& fontPath, const std::vector<char32_t>& characters,
                          std::optional<int> baselineRow = {});

struct ImportRequest {
    std::vector<char32_t> characters; // see printableCp1252 for the usual set
    BitOptions options;               // as the editor's, when the glyph is drawn there
    std::optional<int> baselineRow;
    bool replaceExisting = false;
    bool refuseClipped = false; // a glyph that loses dots stops the import
};

struct ImportReport {
    FontGlyphs font;
    std::vector<char32_t> clipped; // imported all the same, unless refused
    MergeOutcome merge;            // untouched when nothing was written
    bool written = false;
};

// Adds the font's glyphs to the library under the library's rules (see
// mergeGlyphs). The stored columns are what the editor stores for the same
// dots with the same options, appended without reversing the columns.
ImportReport importFont(const LibraryLocation& library, const QString& fontPath,
                        const ImportRequest& request);

// "added 3, replaced 0, kept 2, not in the font 1, refused 1"
std::string importCounts(const ImportReport& report);

} // namespace vorlix
