#pragma once

#include <QObject>

#include <array>

namespace vorlix {

class PixelButton;

// Keyboard reach for a 5x8 grid of pixels: the grid is a single stop in the
// Tab order, the arrow keys move between its pixels, and Space clicks the
// focused one through the button's own handling, just as the mouse does. A
// click on a pixel focuses it.
class PixelGrid : public QObject {
    Q_OBJECT
public:
    // pixels[i] sits in column i / 8 and row i % 8.
    PixelGrid(const std::array<PixelButton*, 40>& pixels, QObject* parent);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Makes to the grid's one tab stop, in from's place, and focuses it.
    static void focusPixel(PixelButton* from, PixelButton* to);

    std::array<PixelButton*, 40> pixels_;
};

} // namespace vorlix
