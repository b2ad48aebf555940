#include "library/library_store.h"
#include "ui/form1.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Propeller Vorlix Generator"));
    vorlix::Form1 window(vorlix::libraryPathBeside(QCoreApplication::applicationDirPath()));
    window.showCentred();
    return app.exec();
}
