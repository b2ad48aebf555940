#pragma once

class QWidget;

namespace vorlix {

// Centres window on its screen and shows it, and centres it again once the
// window manager has put its frame around it: managers frame a window only
// once it is up, so the first centring goes by the inner size alone.
void showCentred(QWidget* window);

} // namespace vorlix
