#pragma once

#include <QList>
#include <QObject>

#include <array>
#include <optional>

class QKeyEvent;
class QMouseEvent;

namespace vorlix {

class PixelButton;

// Keyboard reach for a 5x8 grid of pixels: the grid is a single stop in the
// Tab order, the arrow keys move between its pixels, and Space clicks the
// focused one through the button's own handling, just as the mouse does. A
// click on a pixel focuses it.
//
// Painting: a press on a pixel and a drag paints every pixel the pointer
// passes with the pressed pixel's toggled state, shown at once and handed
// over as one stroke on release. A press released without leaving its pixel
// stays the button's own click.
class PixelGrid : public QObject {
    Q_OBJECT
public:
    // pixels[i] sits in column i / 8 and row i % 8.
    PixelGrid(const std::array<PixelButton*, 40>& pixels, QObject* parent);

signals:
    // A finished stroke: the indexes (as in pixels) that it passed, first the
    // pressed one, and the state they all take.
    void painted(const QList<int>& indexes, bool lit);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Makes to the grid's one tab stop, in from's place, and focuses it.
    static void focusPixel(PixelButton* from, PixelButton* to);

    bool mouseEvent(PixelButton* pixel, int index, QMouseEvent* event);
    bool keyEvent(PixelButton* pixel, int index, const QKeyEvent* key);
    // The index of the pixel whose cell (the pixel and the gap after it)
    // holds the point, in global coordinates; none outside the grid.
    std::optional<int> cellAt(const QPointF& global) const;
    void paint(int index);
    void endStroke();

    std::array<PixelButton*, 40> pixels_;

    struct Stroke {
        int pressed = 0;
        bool lit = false;
        bool moved = false;      // the pointer has left the pressed pixel
        std::optional<int> last; // the cell of the last move, if in the grid
        QList<int> indexes;      // painted so far, in order
    };
    std::optional<Stroke> stroke_;
};

} // namespace vorlix
