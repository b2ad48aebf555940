#pragma once
// The program's icon: a "V" as the LED stick lights it, red dots on black,
// drawn at any size from this one source (the window, and the installed
// icons made at build time).

#include <QImage>

namespace vorlix {

QImage appIconImage(int side);

} // namespace vorlix
