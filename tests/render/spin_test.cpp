// The spinning stick frame by frame: the still ring is its frame with a whole
// revolution of afterglow, the column being lit rides the arm, the glow fades
// with age, and the other direction is the mirror.

#include "library/library_format.h"
#include "render/render.h"
#include "table/stick_columns.h"

#include <gtest/gtest.h>

#include <QFile>

#include <cmath>
#include <numbers>

namespace vorlix {
namespace {

// Seven columns, no two alike and none symmetric, so a column shown in the
// wrong place or the wrong way round shows.
std::vector<ColumnDots> asymmetric(int count = 7) {
    std::vector<ColumnDots> columns(count);
    for (int c = 0; c < count; ++c) {
        for (int r = 0; r < 8; ++r) {
            columns[c][r] = (r * 3 + c * 5) % 7 < 3 || r == c % 8;
        }
    }
    return columns;
}

// A column lit for about a millisecond; a binary fraction keeps times exact.
constexpr double ms = 1.0 / 1024;
constexpr double revolution = 2 * std::numbers::pi / 0.125 * ms;

// Short rings keep renderRound's 96 px radius: columns 12 / 96 radians apart.
Spin still(double afterglow) {
    return {.columnAngle = 0.125, .columnSeconds = ms, .afterglowSeconds = afterglow};
}

TEST(Spin, RoundPictureIsStillAsDrawnForTheDocs) {
    QFile file(VORLIX_DOCS "/sample/FONTSDAT.txt");
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const auto columns =
        stickColumns("HELLO WORLD", true, parseLibrary(file.readAll().toStdString()).records, {});
    EXPECT_EQ(
        renderRound(columns),
        QImage(VORLIX_DOCS "/sample-message-round.png").convertToFormat(QImage::Format_RGB32));
}

// Frames that are still rings. With a whole revolution of afterglow: the
// message's own ring (ring 0) whenever the arm is on a column's place or past
// the message. With none: only the arm's column, where a ring of one column
// more, or half a column later one fewer, puts its first (last) column.
TEST(Spin, FramesThatAreStillRings) {
    struct Case {
        bool counterClockwise;
        double afterglow, seconds;
        int ring;
    };
    const auto columns = asymmetric();
    for (const Case& c :
         std::initializer_list<Case>{{false, revolution, 0.5 * ms, 0},
                                     {false, revolution, 3.5 * ms, 0},
                                     {false, revolution, 6.5 * ms, 0},
                                     {false, revolution, 20 * ms, 0},
                                     {false, revolution, 45 * ms, 0},
                                     {false, revolution, 3.5 * ms + 7 * revolution, 0},
                                     {false, revolution, 0.5 * ms - 2 * revolution, 0},
                                     {false, 0, 0, 8},
                                     {false, 0, 0.5 * ms, 7},
                                     {true, 0, 0, 8},
                                     {true, 0, 0.5 * ms, 7},
                                     {false, 0, 0.5 * ms + revolution, 7}}) {
        Spin spin = still(c.afterglow);
        spin.counterClockwise = c.counterClockwise;
        std::vector<ColumnDots> ring = columns;
        if (c.ring > 0) {
            ring.assign(c.ring, {});
            ring[c.counterClockwise ? c.ring - 1 : 0] = columns[0];
        }
        EXPECT_EQ(SpinningStick(columns, spin, 384).frame(c.seconds), renderRound(ring))
            << c.counterClockwise << " " << c.afterglow << " " << c.seconds;
    }
    // Off its place, column 3 shows on the arm.
    EXPECT_NE(SpinningStick(columns, still(revolution), 384).frame(3.2 * ms), renderRound(columns));
}

// Column c was lit until the arm reached c + 1; the eye holds it two
// columns' time, then it fades out over one. The arm is on column 5's place.
TEST(Spin, GlowFadesWithAge) {
    const int expected[] = {0, 0, 127, 255, 255, 255, 0};
    const auto columns = asymmetric();
    const QImage frame = SpinningStick(columns, still(2 * ms), 384).frame(5.5 * ms);
    for (int c = 0; c < 7; ++c) {
        for (int r = 0; r < 8; ++r) {
            const double angle = (c - 3) * 0.125;
            const double radius = 96 + 12 * (7 - r);
            const QRgb centre = frame.pixel(static_cast<int>(192 + radius * std::sin(angle)),
                                            static_cast<int>(192 - radius * std::cos(angle)));
            EXPECT_EQ(centre, qRgb(columns[c][r] ? expected[c] : 0, 0, 0)) << c << " " << r;
        }
    }
}

// The arm turning the other way shows the mirror image. Qt's antialiasing is
// not quite symmetric, so edges may differ by two levels.
TEST(Spin, CounterClockwiseIsTheMirror) {
    const auto columns = asymmetric(40);
    for (const double seconds : {0.0, 2.75 * ms, 17.3 * ms, 41 * ms}) {
        Spin spin = still(10 * ms);
        spin.colour = QColor(40, 255, 120);
        const QImage clockwise =
            SpinningStick(columns, spin, 300).frame(seconds).mirrored(true, false);
        spin.counterClockwise = true;
        const QImage other = SpinningStick(columns, spin, 300).frame(seconds);
        int worst = 0;
        for (qsizetype i = 0; i < other.sizeInBytes(); ++i) {
            worst = std::max(worst, std::abs(clockwise.constBits()[i] - other.constBits()[i]));
        }
        EXPECT_LE(worst, 2) << seconds;
    }
}

} // namespace
} // namespace vorlix
