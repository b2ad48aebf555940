#pragma once
// Pictures of the stick's columns: dots in the LEDs' colour (red unless told)
// on black, one per lit LED, 10 px across on a 12 px pitch. Unlit LEDs are not drawn. There must be
// at least one column.

#include "editor/glyph.h"

#include <QColor>
#include <QImage>

#include <cstdint>
#include <vector>

namespace vorlix {

// The columns side by side, as the stick writes them when swept flat: an
// image 12 * columns wide and 96 high.
QImage renderStraight(const std::vector<ColumnDots>& columns, QColor colour = QColor(255, 0, 0));

// The columns on a ring, as the spinning stick shows them: the top row
// outermost, the message centred on twelve o'clock and read clockwise. The
// bottom row runs on a circle of radius max(96, 12 * columns / 2 pi) with
// neighbouring columns 12 px apart along it, so a long message closes the
// ring. The image is the square around the ring plus a 12 px margin. It is
// the frame of a SpinningStick seen with an afterglow of a whole revolution.
QImage renderRound(const std::vector<ColumnDots>& columns);

// How a stick turns and how the eye takes it in; the angle and the column's
// time are more than 0.
struct Spin {
    double columnAngle;            // radians the arm turns while one column is lit
    double columnSeconds;          // how long each column is lit
    double afterglowSeconds = 0.1; // the eye holds a flash about this long, then
                                   // it fades out over half as long again
    bool counterClockwise = false; // the arm turns the other way: the eye,
                                   // reading clockwise, meets the columns reversed
    QColor colour = QColor(255, 0, 0);
};

// The ring of renderRound at any instant of the spin: the column being lit
// sits on the arm, and the columns lit before glow at their places for as long
// as the eye holds them. The ring is laid out once; a frame then costs little
// more than copying the picture, so it can be drawn 60 times a second.
class SpinningStick {
public:
    // For pictures side * side: the ring of renderRound scaled to fit.
    SpinningStick(std::vector<ColumnDots> columns, const Spin& spin, int side);

    // seconds after the arm reached the start of column 0, the first column
    // the firmware lights; any time, also before 0 or many turns later.
    QImage frame(double seconds) const;

private:
    struct GlowPixel {
        std::uint32_t offset; // into the picture's pixels
        std::uint32_t column; // as read clockwise
        QRgb value;           // at full brightness
    };
    QPointF dotCentre(double column, int row) const;

    std::vector<ColumnDots> columns_; // as read clockwise
    Spin spin_;
    int side_;
    double scale_;
    double ringRadius_; // of the bottom row, unscaled
    std::vector<GlowPixel> glow_;
};

// The most columns a picture may hold: a straight one stays within the PNG
// writer's width, a round one within the memory a picture may take.
int maxRenderColumns(bool round);

} // namespace vorlix
