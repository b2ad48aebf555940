#include "render/render.h"

#include "table/stick_columns.h"

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
const QColor hubColour(48, 48, 48);
// Brightness in 256ths.
constexpr int fullBrightness = 256;

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

QPainter& dotPainter(QPainter& painter, QColor colour) {
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    return painter;
}

// The dot of column and row, both from 0: (6 + 12 * column, 6 + 12 * row).
QPointF straightDotCentre(int column, int row) {
    return {pitch / 2.0 + pitch * column, pitch / 2.0 + pitch * row};
}

// How bright a column lit age seconds ago still looks.
int brightness(double age, double afterglow) {
    if (age <= afterglow) {
        return fullBrightness;
    }
    if (age >= 1.5 * afterglow) {
        return 0;
    }
    return static_cast<int>(fullBrightness * (1 - (age - afterglow) / (afterglow / 2)));
}

QRgb dimmed(QRgb value, int level) {
    return qRgb(qRed(value) * level >> 8, qGreen(value) * level >> 8, qBlue(value) * level >> 8);
}

} // namespace

QImage renderStraight(const std::vector<ColumnDots>& columns, QColor colour) {
    QImage image = blackImage(pitch * static_cast<int>(columns.size()), pitch * rows);
    QPainter painter(&image);
    dotPainter(painter, colour);
    for (int c = 0; c < static_cast<int>(columns.size()); ++c) {
        for (int r = 0; r < rows; ++r) {
            if (columns[c][r]) {
                painter.drawEllipse(straightDotCentre(c, r), dotRadius, dotRadius);
            }
        }
    }
    return image;
}

QImage renderRound(const std::vector<ColumnDots>& columns) {
    const int count = static_cast<int>(columns.size());
    Spin still{.columnAngle = pitch / innerRadius(count), .columnSeconds = 1};
    still.afterglowSeconds = 2 * std::numbers::pi / still.columnAngle; // a whole turn
    // Half a column in, the arm is where the ring shows column 0.
    return SpinningStick(columns, still, roundImageSide(count)).frame(0.5);
}

SpinningStick::SpinningStick(std::vector<ColumnDots> columns, const Spin& spin, int side)
    : columns_(std::move(columns)), spin_(spin), side_(side) {
    if (spin_.counterClockwise) {
        reverseColumns(columns_);
    }
    const int count = static_cast<int>(columns_.size());
    ringRadius_ = innerRadius(count);
    scale_ = side_ / static_cast<double>(roundImageSide(count));

    // Every dot drawn once at full brightness; each pixel lit is kept with the
    // column it belongs to, the one whose angle is nearest.
    QImage ring = blackImage(side_, side_);
    {
        QPainter painter(&ring);
        dotPainter(painter, spin_.colour);
        for (int c = 0; c < count; ++c) {
            for (int r = 0; r < rows; ++r) {
                if (columns_[c][r]) {
                    painter.drawEllipse(dotCentre(c, r), dotRadius * scale_, dotRadius * scale_);
                }
            }
        }
    }
    const double middle = side_ / 2.0;
    const double perTurn = 2 * std::numbers::pi / spin_.columnAngle;
    for (int y = 0; y < side_; ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(ring.constScanLine(y));
        for (int x = 0; x < side_; ++x) {
            if ((line[x] & RGB_MASK) == 0) {
                continue;
            }
            const double angle = std::atan2(x + 0.5 - middle, middle - (y + 0.5));
            double column = std::round(angle / spin_.columnAngle + (count - 1) / 2.0);
            if (column < 0) {
                column = std::round(column + perTurn);
            } else if (column >= count) {
                column = std::round(column - perTurn);
            }
            glow_.push_back({static_cast<std::uint32_t>(y) * static_cast<std::uint32_t>(side_) +
                                 static_cast<std::uint32_t>(x),
                             static_cast<std::uint32_t>(std::clamp<double>(column, 0, count - 1)),
                             line[x]});
        }
    }
}

QPointF SpinningStick::dotCentre(double column, int row) const {
    const double angle =
        (column - (static_cast<double>(columns_.size()) - 1) / 2.0) * spin_.columnAngle;
    const double radius = scale_ * (ringRadius_ + pitch * (rows - 1 - row));
    const double middle = side_ / 2.0;
    return {middle + radius * std::sin(angle), middle - radius * std::cos(angle)};
}

QImage SpinningStick::frame(double seconds) const {
    const int count = static_cast<int>(columns_.size());
    const bool mirrored = spin_.counterClockwise;
    // Where the arm is, in columns from the start of column 0 (in the order
    // lit), within this revolution.
    const double perTurn = 2 * std::numbers::pi / spin_.columnAngle;
    double arm = std::fmod(seconds / spin_.columnSeconds, perTurn);
    if (arm < 0) {
        arm += perTurn;
    }
    const int lighting = arm < count ? static_cast<int>(arm) : -1;

    std::vector<int> level(count);
    for (int lit = 0; lit < count; ++lit) {
        if (lit == lighting) {
            continue; // it is on the arm
        }
        double age = arm - (lit + 1);
        if (age < 0) {
            age += perTurn;
        }
        level[mirrored ? count - 1 - lit : lit] =
            brightness(age * spin_.columnSeconds, spin_.afterglowSeconds);
    }

    QImage image = blackImage(side_, side_);
    auto* pixels = reinterpret_cast<QRgb*>(image.bits());
    for (const GlowPixel& pixel : glow_) {
        const int shown = level[pixel.column];
        if (shown == fullBrightness) {
            pixels[pixel.offset] = pixel.value;
        } else if (shown > 0) {
            pixels[pixel.offset] = dimmed(pixel.value, shown);
        }
    }
    QPainter painter(&image);
    dotPainter(painter, hubColour);
    painter.drawEllipse(QPointF(side_ / 2.0, side_ / 2.0), pitch * scale_, pitch * scale_);
    if (lighting >= 0) {
        // Its dots are on the arm: half a column before their place at the
        // column's start, on it half a column later.
        const double onArm = arm - 0.5;
        const int column = mirrored ? count - 1 - lighting : lighting;
        painter.setBrush(spin_.colour);
        for (int r = 0; r < rows; ++r) {
            if (columns_[column][r]) {
                painter.drawEllipse(dotCentre(mirrored ? count - 1 - onArm : onArm, r),
                                    dotRadius * scale_, dotRadius * scale_);
            }
        }
    }
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
