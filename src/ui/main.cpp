#include "library/library_store.h"
#include "ui/centred_window.h"
#include "ui/form1.h"

#include <QApplication>
#include <QCommandLineParser>

#include <cstdio>
#include <cstring>

namespace {

void describe(QCommandLineParser& parser) {
    // In brief what man vorlix says: the keys, the menus, the files.
    parser.setApplicationDescription(QStringLiteral(
        "Draws 5x8 character fonts for a spinning LED stick, keeps them in a font\n"
        "library, and writes the column table of a message.\n"
        "\n"
        "Grid: a click or Space toggles a dot, a drag paints every dot passed alike,\n"
        "  the arrow keys move; right-click for Shift (Ctrl+arrow), Mirror (Ctrl+M,\n"
        "  Ctrl+Shift+M), Invert Dots (Ctrl+I), Undo (Ctrl+Z) and Redo (Ctrl+Shift+Z).\n"
        "F5, or Spin preview in the message's and the table's context menus: the\n"
        "  message on a spinning stick, with Save picture... and Send to stick...\n"
        "Fonts list (View Font List): a double click or Edit loads a glyph, the\n"
        "  Delete key or Delete removes it; its context menu also has Import font...\n"
        "  and dialogs that remember their choices: Export font table..., Import\n"
        "  firmware table... and Update firmware file...\n"
        "Files: the library, FONTSDAT.txt beside the program or, installed,\n"
        "  $XDG_DATA_HOME/vorlix/FONTSDAT.txt (~/.local/share/vorlix); the dialogs'\n"
        "  and the spin preview's choices in ~/.config/vorlix/vorlix.conf. More in\n"
        "  man vorlix."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addOption({{"l", "library"},
                      "The font library (default: FONTSDAT.txt beside the program, or, for an "
                      "installed program, in your data folder, ~/.local/share/vorlix).",
                      "file"});
    parser.addPositionalArgument(QStringLiteral("file"),
                                 QStringLiteral("The font library to open, as --library gives it."),
                                 QStringLiteral("[file]"));
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
    // A file opened with the program ("vorlix mylib.txt", or from a file
    // manager) is the library, as with --library.
    const QStringList files = parser.positionalArguments();
    QString library = parser.value(QStringLiteral("library"));
    if (files.size() > 1 || (!files.isEmpty() && !library.isEmpty())) {
        std::fputs("vorlix: give one library, either as --library or as the file\n", stderr);
        return 2;
    }
    if (!files.isEmpty()) {
        library = files.constFirst();
    }
    // No application display name: Qt would append it to every window's
    // title, message boxes too. The desktop file name keeps the menu entry
    // and the icon.
    QGuiApplication::setDesktopFileName(QStringLiteral(VORLIX_APP_ID));
    vorlix::Form1 window(vorlix::locateLibrary(library, QCoreApplication::applicationDirPath(),
                                               vorlix::userLibraryFolder()));
    showCentred(&window);
    return app.exec();
}
