#pragma once
// Positions are laid out in twips; one logical pixel is 15 twips, and Qt's
// own high-DPI scaling takes care of other screens.

#include <QPoint>
#include <QRect>

namespace vorlix {

constexpr int twipsToPixels(int twips) {
    return (twips + 7) / 15;
}

// Left, top, width and height in twips, rounded so that neighbouring edges
// given in twips stay neighbours in pixels.
constexpr QRect twipRect(int left, int top, int width, int height) {
    const int x = twipsToPixels(left);
    const int y = twipsToPixels(top);
    return QRect(x, y, twipsToPixels(left + width) - x, twipsToPixels(top + height) - y);
}

} // namespace vorlix
