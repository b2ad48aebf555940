#include "ui/app_icon.h"

#include <QPainter>
#include <QPixmap>

namespace vorlix {

QIcon appIcon() {
    // A "V" in a 5x8 cell, in three flat colours, as the LED stick would show it.
    static constexpr const char* rows[8] = {"X...X", "X...X", "X...X", "X...X",
                                            "X...X", ".X.X.", ".X.X.", "..X.."};
    QPixmap pixmap(32, 32);
    pixmap.fill(Qt::black);
    QPainter painter(&pixmap);
    painter.setPen(Qt::NoPen);
    for (int r = 0; r < 8; ++r) {
        for (int c = 0; c < 5; ++c) {
            painter.setBrush(rows[r][c] == 'X' ? QColor(255, 0, 0) : QColor(64, 0, 0));
            painter.drawRect(5 + 5 * c, 1 + 4 * r, 3, 3);
        }
    }
    return QIcon(pixmap);
}

} // namespace vorlix
