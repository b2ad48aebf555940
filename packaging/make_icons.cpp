// Writes the program's icon as PNG files for the hicolor icon theme:
// make_icons FOLDER NAME puts FOLDER/SIZExSIZE/apps/NAME.png for every size.

#include "render/app_icon.h"

#include <QDir>
#include <QGuiApplication>

#include <cstdio>

int main(int argc, char* argv[]) {
    if (argc != 3) {
        std::fputs("usage: make_icons FOLDER NAME\n", stderr);
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    for (const int side : {16, 24, 32, 48, 64, 128, 256}) {
        const QDir folder(
            QStringLiteral("%1/%2x%2/apps").arg(QString::fromLocal8Bit(argv[1])).arg(side));
        if (!QDir().mkpath(folder.path()) ||
            !vorlix::appIconImage(side).save(
                folder.filePath(QString::fromLocal8Bit(argv[2]) + QStringLiteral(".png")))) {
            std::fprintf(stderr, "make_icons: cannot write the %dx%d icon\n", side, side);
            return 1;
        }
    }
    return 0;
}
