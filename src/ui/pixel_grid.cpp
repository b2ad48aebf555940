#include "ui/pixel_grid.h"

#include "ui/pixel_button.h"

#include <QKeyEvent>

#include <algorithm>

namespace vorlix {

PixelGrid::PixelGrid(const std::array<PixelButton*, 40>& pixels, QObject* parent)
    : QObject(parent), pixels_(pixels) {
    // Only the pixel that last had focus is a tab stop, so Tab enters the
    // grid where the user left it and leaves it in one step.
    for (PixelButton* pixel : pixels_) {
        pixel->setFocusPolicy(Qt::NoFocus);
        pixel->installEventFilter(this);
    }
    pixels_[0]->setFocusPolicy(Qt::TabFocus);
}

void PixelGrid::focusPixel(PixelButton* from, PixelButton* to) {
    if (to != from) {
        to->setFocusPolicy(Qt::TabFocus);
        from->setFocusPolicy(Qt::NoFocus);
    }
    to->setFocus(Qt::OtherFocusReason);
}

bool PixelGrid::eventFilter(QObject* watched, QEvent* event) {
    const auto from = std::find(pixels_.begin(), pixels_.end(), watched);
    if (from != pixels_.end() && event->type() == QEvent::MouseButtonPress) {
        // A click puts the focus on the grid, as in any editor, so that the
        // grid's shortcuts (undo, the tools) act on what was drawn.
        const auto stop = std::find_if(pixels_.begin(), pixels_.end(), [](PixelButton* pixel) {
            return pixel->focusPolicy() == Qt::TabFocus;
        });
        focusPixel(stop != pixels_.end() ? *stop : *from, *from);
        return false;
    }
    if (event->type() != QEvent::KeyPress) {
        return false;
    }
    const auto* key = static_cast<const QKeyEvent*>(event);
    if (from == pixels_.end() || (key->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier) {
        return false;
    }
    const int index = static_cast<int>(from - pixels_.begin());
    int column = index / 8;
    int row = index % 8;
    switch (key->key()) {
    case Qt::Key_Left:
        column = std::max(column - 1, 0);
        break;
    case Qt::Key_Right:
        column = std::min(column + 1, 4);
        break;
    case Qt::Key_Up:
        row = std::max(row - 1, 0);
        break;
    case Qt::Key_Down:
        row = std::min(row + 1, 7);
        break;
    default:
        return false;
    }
    PixelButton* to = pixels_[column * 8 + row];
    if (to != *from) {
        focusPixel(*from, to);
    }
    // Taken at the edges too: a button would otherwise pass the arrow on as
    // a move to the next widget, out of the grid.
    return true;
}

} // namespace vorlix
