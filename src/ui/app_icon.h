#pragma once

#include <QIcon>

namespace vorlix {

// The window's icon: a small glyph of red LED dots on black, drawn in code.
QIcon appIcon();

} // namespace vorlix
