#pragma once
// The editor's grid tools, as pure functions of a glyph, and the history
// that undoes and redoes every change of the grid.

#include "editor/glyph.h"

#include <vector>

namespace vorlix {

// Moves every dot by (columns right, rows down); dots moved out are dropped.
Glyph shifted(const Glyph& glyph, int columns, int rows);
Glyph mirroredLeftRight(const Glyph& glyph);
Glyph mirroredTopBottom(const Glyph& glyph);
Glyph inverted(const Glyph& glyph);

class GlyphHistory {
public:
    // Remembers the glyph as it was before a change; what was undone is
    // forgotten.
    void changed(const Glyph& before);
    bool canUndo() const { return !undo_.empty(); }
    bool canRedo() const { return !redo_.empty(); }
    // The glyph to show instead of current. Only when canUndo / canRedo.
    Glyph undo(const Glyph& current);
    Glyph redo(const Glyph& current);

private:
    std::vector<Glyph> undo_;
    std::vector<Glyph> redo_;
};

} // namespace vorlix
