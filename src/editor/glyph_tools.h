#pragma once
// The editor's grid tools, as pure functions of a glyph.

#include "editor/glyph.h"


namespace vorlix {

// Moves every dot by (columns right, rows down); dots moved out are dropped.
Glyph shifted(const Glyph& glyph, int columns, int rows);
Glyph mirroredLeftRight(const Glyph& glyph);
Glyph mirroredTopBottom(const Glyph& glyph);
Glyph inverted(const Glyph& glyph);

} // namespace vorlix
