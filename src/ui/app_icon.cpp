#include "ui/app_icon.h"

#include "render/app_icon.h"

#include <QPixmap>

namespace vorlix {

QIcon appIcon() {
    QIcon icon;
    for (const int side : {16, 32, 48, 64}) {
        icon.addPixmap(QPixmap::fromImage(appIconImage(side)));
    }
    return icon;
}

} // namespace vorlix
