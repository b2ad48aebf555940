#include "ui/pixel_grid.h"

#include "ui/pixel_button.h"

#include <QKeyEvent>
#include <QMouseEvent>

#include <algorithm>
#include <cmath>
#include <utility>

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

namespace {

// The cells from one to the other on a straight line, the first left out:
// a fast drag moves several cells between two events, and leaves no gap.
QList<QPoint> cellsAfter(QPoint from, QPoint to) {
    QList<QPoint> cells;
    const int dx = std::abs(to.x() - from.x());
    const int dy = -std::abs(to.y() - from.y());
    const int sx = from.x() < to.x() ? 1 : -1;
    const int sy = from.y() < to.y() ? 1 : -1;
    int error = dx + dy;
    QPoint at = from;
    while (at != to) {
        const int twice = 2 * error;
        if (twice >= dy) {
            error += dy;
            at.rx() += sx;
        }
        if (twice <= dx) {
            error += dx;
            at.ry() += sy;
        }
        cells << at;
    }
    return cells;
}

} // namespace

bool PixelGrid::eventFilter(QObject* watched, QEvent* event) {
    const auto from = std::find(pixels_.begin(), pixels_.end(), watched);
    if (from == pixels_.end()) {
        return false;
    }
    const int index = static_cast<int>(from - pixels_.begin());
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseMove:
    case QEvent::MouseButtonRelease:
        return mouseEvent(*from, index, static_cast<QMouseEvent*>(event));
    case QEvent::KeyPress:
        return keyEvent(*from, index, static_cast<const QKeyEvent*>(event));
    case QEvent::EnabledChange: // under the fonts list a pixel gets no release
        endStroke();
        return false;
    default:
        return false;
    }
}

bool PixelGrid::mouseEvent(PixelButton* pixel, int index, QMouseEvent* event) {
    if (event->type() == QEvent::MouseButtonPress) {
        // A click puts the focus on the grid, as in any editor, so that the
        // grid's shortcuts (undo, the tools) act on what was drawn.
        const auto stop = std::find_if(pixels_.begin(), pixels_.end(), [](PixelButton* each) {
            return each->focusPolicy() == Qt::TabFocus;
        });
        focusPixel(stop != pixels_.end() ? *stop : pixel, pixel);
        if (event->button() == Qt::LeftButton) {
            endStroke(); // one whose release never came
            stroke_ =
                Stroke{.pressed = index, .lit = !pixel->isLit(), .last = index, .indexes = {}};
        }
        return false;
    }
    if (!stroke_ || pixel != pixels_[stroke_->pressed]) {
        return false;
    }
    if (event->type() == QEvent::MouseButtonRelease) {
        // Unmoved, the button's own click toggles the pixel; moved, the
        // button is no longer down, and the stroke is the one change.
        endStroke();
        return false;
    }
    if (!(event->buttons() & Qt::LeftButton)) {
        endStroke();
        return false;
    }
    const std::optional<int> cell = cellAt(event->globalPosition());
    if (!stroke_->moved) {
        if (cell == stroke_->pressed) {
            return false; // still a click
        }
        stroke_->moved = true;
        pixel->setDown(false);
        paint(stroke_->pressed);
    }
    if (cell) {
        if (stroke_->last) {
            const QPoint last(*stroke_->last / 8, *stroke_->last % 8);
            for (const QPoint at : cellsAfter(last, QPoint(*cell / 8, *cell % 8))) {
                paint(at.x() * 8 + at.y());
            }
        }
        paint(*cell);
    }
    stroke_->last = cell;
    return true;
}

std::optional<int> PixelGrid::cellAt(const QPointF& global) const {
    const QPointF at = global - pixels_[0]->mapToGlobal(QPointF(0, 0));
    const int column = static_cast<int>(std::floor(at.x() / (pixels_[8]->x() - pixels_[0]->x())));
    const int row = static_cast<int>(std::floor(at.y() / (pixels_[1]->y() - pixels_[0]->y())));
    if (column < 0 || column >= 5 || row < 0 || row >= 8) {
        return std::nullopt;
    }
    return column * 8 + row;
}

void PixelGrid::paint(int index) {
    if (!stroke_->indexes.contains(index)) {
        stroke_->indexes << index;
        pixels_[index]->setColour(stroke_->lit ? PixelButton::lit() : PixelButton::dark());
    }
}

void PixelGrid::endStroke() {
    if (!stroke_) {
        return;
    }
    const Stroke ended = *std::exchange(stroke_, std::nullopt);
    if (ended.moved) {
        emit painted(ended.indexes, ended.lit);
    }
}

bool PixelGrid::keyEvent(PixelButton* pixel, int index, const QKeyEvent* key) {
    if ((key->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier) {
        return false;
    }
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
    if (to != pixel) {
        focusPixel(pixel, to);
    }
    // Taken at the edges too: a button would otherwise pass the arrow on as
    // a move to the next widget, out of the grid.
    return true;
}

} // namespace vorlix
