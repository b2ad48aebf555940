#include "render/font_import.h"

#include "common/utf8.h"
#include "editor/column_encoding.h"

#include <QFile>
#include <QFileInfo>

#include <ft2build.h>
#include FT_FREETYPE_H

#include <algorithm>
#include <memory>

namespace vorlix {

namespace {

constexpr int cellWidth = Glyph::columns;
constexpr int cellHeight = Glyph::rows;
constexpr int defaultBaseline = 7;

struct Library {
    FT_Library handle = nullptr;
    Library() { FT_Init_FreeType(&handle); }
    ~Library() { FT_Done_FreeType(handle); }
};

struct Face {
    FT_Face handle = nullptr;
    ~Face() { FT_Done_Face(handle); }
};

bool inkAt(const FT_Bitmap& bitmap, int x, int y) {
    const unsigned char* row = bitmap.buffer + y * bitmap.pitch;
    if (bitmap.pixel_mode == FT_PIXEL_MODE_MONO) {
        return (row[x / 8] & (0x80 >> (x % 8))) != 0;
    }
    return bitmap.pixel_mode == FT_PIXEL_MODE_GRAY && row[x] >= 128;
}

// The strike closest to the cell: the tallest that fits, else the smallest.
int strikeFor(FT_Face face) {
    int best = 0;
    for (int i = 1; i < face->num_fixed_sizes; ++i) {
        const int height = face->available_sizes[i].height;
        const int bestHeight = face->available_sizes[best].height;
        const bool fits = height <= cellHeight;
        const bool bestFits = bestHeight <= cellHeight;
        if ((fits && (!bestFits || height > bestHeight)) ||
            (!fits && !bestFits && height < bestHeight)) {
            best = i;
        }
    }
    return best;
}

// Ink above the baseline of the rendered glyph of character, and below it;
// nothing when the font lacks it.
std::optional<std::pair<int, int>> inkHeights(FT_Face face, char32_t character) {
    const FT_UInt index = FT_Get_Char_Index(face, character);
    if (index == 0 || FT_Load_Glyph(face, index, FT_LOAD_RENDER | FT_LOAD_TARGET_MONO) != 0 ||
        face->glyph->bitmap.rows == 0) {
        return std::nullopt;
    }
    const int top = face->glyph->bitmap_top;
    return std::pair{top, std::max(0, static_cast<int>(face->glyph->bitmap.rows) - top)};
}

// An outline font is drawn at the largest pixel size whose letters and
// digits (capitals and ascenders over the baseline plus descenders under it)
// fit the cell's rows, so that they keep their shapes rather than lose their
// tops or tails. Returns the rows the descenders take at that size.
int fitOutlines(FT_Face face) {
    static const std::u32string_view measured =
        U"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    int chosen = cellHeight;
    int descent = 1;
    for (int size = 4; size <= 4 * cellHeight; ++size) {
        FT_Set_Pixel_Sizes(face, 0, size);
        int above = 0;
        int below = 0;
        for (const char32_t character : measured) {
            if (const auto ink = inkHeights(face, character)) {
                above = std::max(above, ink->first);
                below = std::max(below, ink->second);
            }
        }
        if (above == 0 || above + below > cellHeight) {
            break; // none to measure by (the cell's height then), or too big
        }
        chosen = size;
        descent = below;
    }
    FT_Set_Pixel_Sizes(face, 0, chosen);
    return descent;
}

} // namespace

FontGlyphs readFontGlyphs(const QString& fontPath, const std::vector<char32_t>& characters,
                          std::optional<int> baselineRow, bool crop) {
    Library library;
    Face face;
    const QFileInfo info(fontPath);
    if (!info.exists() || info.isDir()) {
        return {info.isDir() ? QStringLiteral("%1 is a folder, not a font").arg(fontPath)
                             : QStringLiteral("%1 does not exist").arg(fontPath),
                {},
                {}};
    }
    if (library.handle == nullptr ||
        FT_New_Face(library.handle, QFile::encodeName(fontPath).constData(), 0, &face.handle) !=
            0) {
        return {QStringLiteral("%1 is no font that FreeType can read").arg(fontPath), {}, {}};
    }
    // Characters are looked up by code point; a font that cannot map them
    // would give other characters' glyphs.
    if (FT_Select_Charmap(face.handle, FT_ENCODING_UNICODE) != 0) {
        return {QStringLiteral("%1 has no Unicode character map").arg(fontPath), {}, {}};
    }

    bool asItIs = false; // a strike no larger than the cell keeps its own places
    int defaultRow = defaultBaseline;
    if (FT_IS_SCALABLE(face.handle)) {
        defaultRow = cellHeight - fitOutlines(face.handle);
    } else if (face.handle->num_fixed_sizes > 0) {
        const int strike = strikeFor(face.handle);
        FT_Select_Size(face.handle, strike);
        const FT_Bitmap_Size& size = face.handle->available_sizes[strike];
        asItIs = size.height <= cellHeight && size.width <= cellWidth;
        if (!asItIs && !crop) {
            return {QStringLiteral("%1 is a bitmap font of %2x%3 pixels, larger than the 5x8 "
                                   "cell: its glyphs would be cut. Choose a font of 5x8 or "
                                   "smaller, or an outline font (TrueType, OpenType), which is "
                                   "drawn to fit")
                        .arg(fontPath)
                        .arg(size.width)
                        .arg(size.height),
                    {},
                    {},
                    true};
        }
        defaultRow =
            asItIs ? static_cast<int>(face.handle->size->metrics.ascender >> 6) : defaultBaseline;
    } else {
        return {QStringLiteral("%1 has neither outlines nor bitmaps").arg(fontPath), {}, {}};
    }
    const int baseline = baselineRow.value_or(defaultRow);

    FontGlyphs result;
    for (const char32_t character : characters) {
        const FT_UInt index = FT_Get_Char_Index(face.handle, character);
        if (index == 0 ||
            FT_Load_Glyph(face.handle, index, FT_LOAD_RENDER | FT_LOAD_TARGET_MONO) != 0 ||
            (face.handle->glyph->bitmap.pixel_mode != FT_PIXEL_MODE_MONO &&
             face.handle->glyph->bitmap.pixel_mode != FT_PIXEL_MODE_GRAY)) {
            result.missing.push_back(character);
            continue;
        }
        const FT_GlyphSlot slot = face.handle->glyph;
        const FT_Bitmap& bitmap = slot->bitmap;
        const int width = static_cast<int>(bitmap.width);
        const int left = asItIs ? slot->bitmap_left : (cellWidth - width) / 2;
        const int top = baseline - slot->bitmap_top;
        ImportedGlyph& imported = result.glyphs.emplace_back();
        imported.character = character;
        for (int y = 0; y < static_cast<int>(bitmap.rows); ++y) {
            for (int x = 0; x < width; ++x) {
                if (!inkAt(bitmap, x, y)) {
                    continue;
                }
                const int column = left + x;
                const int row = top + y;
                if (column < 0 || column >= cellWidth || row < 0 || row >= cellHeight) {
                    imported.clipped = true;
                } else {
                    imported.glyph.dots[column][row] = true;
                }
            }
        }
    }
    return result;
}

FontTable glyphRecords(const FontGlyphs& font, BitOptions options) {
    FontTable records;
    for (const ImportedGlyph& imported : font.glyphs) {
        FONTREC record;
        record.CHAR = toUtf8(std::u32string(1, imported.character));
        const GlyphTexts texts = encodeColumns(imported.glyph, options);
        for (int c = 0; c < Glyph::columns; ++c) {
            record.HEX[c] = texts[c].hex;
        }
        records.push_back(record);
    }
    return records;
}

FontImport readFontImport(const QString& fontPath, const std::vector<char32_t>& characters,
                          BitOptions options, std::optional<int> baselineRow, bool crop) {
    FontImport import;
    import.font = readFontGlyphs(fontPath, characters, baselineRow, crop);
    if (!import.font.error.isEmpty()) {
        return import;
    }
    for (const ImportedGlyph& imported : import.font.glyphs) {
        if (imported.clipped) {
            import.clipped.push_back(imported.character);
        }
    }
    import.records = glyphRecords(import.font, options);
    return import;
}

} // namespace vorlix
