#pragma once
// The glyph preview: a stored record drawn on 40 preview dots.

#include "library/converter.h"
#include "library/font_record.h"

#include <array>

namespace vorlix {

struct Preview {
    // Dot i (0-based) is in column i/8 and row i%8, top to bottom.
    std::array<bool, 40> lit{};
    BINREC digits; // the digit fields after the last column's conversion
};

// Each column value is converted in turn and its eight rows read from the
// digit fields, the first digit at the top; a 1 is a dark dot, matching the
// editor's default encoding. A column that is empty or no number leaves the
// fields as they were, so it repeats the last column that converted.
Preview previewGlyph(const FONTREC& record, BINREC digits);

} // namespace vorlix
