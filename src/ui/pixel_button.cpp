#include "ui/pixel_button.h"

#include <QPainter>

namespace vorlix {

PixelButton::PixelButton(QWidget* parent) : QAbstractButton(parent) {
    setFocusPolicy(Qt::TabFocus);
}

void PixelButton::setColour(const QColor& colour) {
    if (colour != colour_) {
        colour_ = colour;
        nameForScreenReaders();
        update();
    }
}

void PixelButton::setCell(int column, int row) {
    column_ = column;
    row_ = row;
    nameForScreenReaders();
}

void PixelButton::nameForScreenReaders() {
    if (column_ > 0) {
        setAccessibleName(
            tr("column %1, row %2, %3").arg(column_).arg(row_).arg(isLit() ? tr("lit") : tr("dark")));
    }
}

void PixelButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), colour_);
    painter.setPen(isDown() ? palette().color(QPalette::Highlight) : QColor(96, 96, 96));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    if (hasFocus()) {
        // A thick ring in the selection colours, clear to see on a lit dot
        // and a dark one alike.
        painter.setPen(palette().color(QPalette::Highlight));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
        painter.drawRect(rect().adjusted(1, 1, -2, -2));
        painter.setPen(palette().color(QPalette::HighlightedText));
        painter.drawRect(rect().adjusted(2, 2, -3, -3));
    }
}

} // namespace vorlix
