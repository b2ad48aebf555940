#include "render/render.h"

#include <QPainter>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace vorlix {

namespace {

constexpr int pitch = 12;
constexpr double dotRadius = 5.0;
constexpr int rows = 8;
constexpr double smallestRing = 96.0;
// libpng refuses wider images.
constexpr qint64 widestPng = 1000000;
// The picture is drawn whole in memory, 4 bytes a pixel.
constexpr qint64 largestImageBytes = 400LL * 1024 * 1024;
const QColor litColour(255, 0, 0);
const QColor hubColour(48, 48, 48);

double innerRadius(int columns) {
    return std::max(smallestRing, pitch * columns / (2 * std::numbers::pi));
}

int roundImageSide(int columns) {
    return 2 * static_cast<int>(std::ceil(innerRadius(columns) + pitch * (rows - 1) + pitch));
}

QImage blackImage(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::black);
    return image;
}

template <typename Centre>
void drawDots(QImage& image, const std::vector<ColumnDots>& columns, Centre centre) {
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(litColour);
    for (int c = 0; c < static_cast<int>(columns.size()); ++c) {
        for (int r = 0; r < rows; ++r) {
            if (columns[c][r]) {
                painter.drawEllipse(centre(c, r), dotRadius, dotRadius);
            }
        }
    }
}

// The dot of column and row, both from 0: (6 + 12 * column, 6 + 12 * row).
QPointF straightDotCentre(int column, int row) {
    return {pitch / 2.0 + pitch * column, pitch / 2.0 + pitch * row};
}

QPointF roundDotCentre(int columns, int column, int row) {
    const double inner = innerRadius(columns);
    const double angle = (column - (columns - 1) / 2.0) * pitch / inner;
    const double radius = inner + pitch * (rows - 1 - row);
    const double middle = roundImageSide(columns) / 2.0;
    return {middle + radius * std::sin(angle), middle - radius * std::cos(angle)};
}

} // namespace

QImage renderStraight(const std::vector<ColumnDots>& columns) {
    QImage image = blackImage(pitch * static_cast<int>(columns.size()), pitch * rows);
    drawDots(image, columns, straightDotCentre);
    return image;
}

QImage renderRound(const std::vector<ColumnDots>& columns) {
    const int count = static_cast<int>(columns.size());
    const int side = roundImageSide(count);
    QImage image = blackImage(side, side);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(Qt::NoPen);
        painter.setBrush(hubColour);
        painter.drawEllipse(QPointF(side / 2.0, side / 2.0), pitch, pitch);
    }
    drawDots(image, columns,
             [count](int column, int row) { return roundDotCentre(count, column, row); });
    return image;
}

int maxRenderColumns(bool round) {
    const auto fits = [round](int columns) {
        const qint64 width = round ? roundImageSide(columns) : qint64{pitch} * columns;
        const qint64 height = round ? width : pitch * rows;
        return width <= widestPng && 4 * width * height <= largestImageBytes;
    };
    int columns = 1;
    while (fits(columns + 1)) {
        ++columns;
    }
    return columns;
}

} // namespace vorlix
