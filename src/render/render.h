#pragma once
// Pictures of the stick's columns: red dots on black, one per lit LED, 10 px
// across on a 12 px pitch. Unlit LEDs are not drawn. There must be at least
// one column.

#include "editor/glyph.h"

#include <QImage>

#include <vector>

namespace vorlix {

// The columns side by side, as the stick writes them when swept flat: an
// image 12 * columns wide and 96 high.
QImage renderStraight(const std::vector<ColumnDots>& columns);

// The columns on a ring, as the spinning stick shows them: the top row
// outermost, the message centred on twelve o'clock and read clockwise. The
// bottom row runs on a circle of radius max(96, 12 * columns / 2 pi) with
// neighbouring columns 12 px apart along it, so a long message closes the
// ring. The image is the square around the ring plus a 12 px margin.
QImage renderRound(const std::vector<ColumnDots>& columns);

// The most columns a picture may hold: a straight one stays within the PNG
// writer's width, a round one within the memory a picture may take.
int maxRenderColumns(bool round);

} // namespace vorlix
