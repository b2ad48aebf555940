#include "library/library_store.h"
#include "ui/form1.h"

#include <QApplication>
#include <QCommandLineParser>

#include <cstring>

namespace {

void describe(QCommandLineParser& parser) {
    parser.setApplicationDescription(
        QStringLiteral("Draws 5x8 character fonts for a spinning LED stick, keeps them in "
                       "FONTSDAT.txt beside the program, and writes the column table of a "
                       "message."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addOption({{"l", "library"},
                      "The font library (default: FONTSDAT.txt beside the program, or, for an "
                      "installed program, in your data folder, ~/.local/share/vorlix).",
                      "file"});
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication::setApplicationName(QStringLiteral("vorlix"));
    QCoreApplication::setApplicationVersion(QStringLiteral(VORLIX_VERSION));
    // Help and the version are answered without a display.
    for (int i = 1; i < argc; ++i) {
        for (const char* asked : {"-h", "--help", "-v", "--version", "--help-all"}) {
            if (std::strcmp(argv[i], asked) == 0) {
                QCoreApplication app(argc, argv);
                QCommandLineParser parser;
                describe(parser);
                parser.process(app);
                return 0;
            }
        }
    }
    QApplication app(argc, argv);
    QCommandLineParser parser;
    describe(parser);
    parser.process(app);
    QApplication::setApplicationDisplayName(QStringLiteral("Propeller Vorlix Generator"));
    QGuiApplication::setDesktopFileName(QStringLiteral(VORLIX_APP_ID));
    vorlix::Form1 window(vorlix::locateLibrary(parser.value(QStringLiteral("library")),
                                               QCoreApplication::applicationDirPath(),
                                               vorlix::userLibraryFolder()));
    window.showCentred();
    return app.exec();
}
