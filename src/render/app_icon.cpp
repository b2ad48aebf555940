#include "render/app_icon.h"

#include <QPainter>
#include <QPixmap>

namespace vorlix {

QImage appIconImage(int side) {
    static constexpr const char* rows[8] = {"X...X", "X...X", "X...X", "X...X",
                                            "X...X", ".X.X.", ".X.X.", "..X.."};
    QImage image(side, side, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(side / 32.0, side / 32.0);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::black);
    painter.drawRoundedRect(QRectF(1, 0, 30, 32), 4, 4);
    for (int r = 0; r < 8; ++r) {
        for (int c = 0; c < 5; ++c) {
            painter.setBrush(rows[r][c] == 'X' ? QColor(255, 0, 0) : QColor(64, 0, 0));
            painter.drawEllipse(QRectF(4.5 + 5 * c, 0.5 + 4 * r, 3.4, 3.4));
        }
    }
    return image;
}

QIcon appIcon() {
    QIcon icon;
    for (const int side : {16, 32, 48, 64}) {
        icon.addPixmap(QPixmap::fromImage(appIconImage(side)));
    }
    return icon;
}

} // namespace vorlix
