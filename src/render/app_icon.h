#pragma once
// The program's icon: a "V" as the LED stick lights it, red dots on black,
// drawn at any size from this one source (the windows, and the installed
// icons made at build time).

#include <QIcon>
#include <QImage>

namespace vorlix {

QImage appIconImage(int side);

// The icon at the sizes a window system asks for. Needs a QGuiApplication.
QIcon appIcon();

} // namespace vorlix
