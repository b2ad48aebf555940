#pragma once
// The fonts list's menu: a stored glyph is edited (also by a double click)
// or deleted, a font is imported into the library, and firmware tables are
// written from it and read into it. Each change of the file goes through
// the library session; the window only lends its message boxes, its bit
// options, its editor and its way of showing the library anew.

#include "editor/bit_options.h"
#include "editor/glyph.h"
#include "library/library_session.h"
#include "ui/library_words.h"
#include "ui/message_box.h"

#include <QObject>

#include <functional>

class QListView;

namespace vorlix {

class FontsListMenu : public QObject {
    Q_OBJECT
public:
    struct Window {
        QWidget* widget = nullptr; // the dialogs' parent
        // A modal message; an empty title is the window's own.
        std::function<QMessageBox::StandardButton(const MessageBoxRequest&)> ask;
        std::function<BitOptions()> bitOptions;
        // Read the library anew into the list, telling of any problem;
        // refresh does so only when the file changed on disk.
        std::function<void()> reload;
        std::function<void()> refresh;
        std::function<void(const Glyph&, const QString& character)> edit;
    };
    FontsListMenu(QListView* list, LibrarySession& session, Window window);

    // Chooses the font that "Import font..." reads; empty when cancelled.
    using FontChooser = std::function<QString(QWidget* parent)>;
    void setFontChooser(FontChooser chooser) { chooseFont_ = std::move(chooser); }

private:
    void editGlyph(int row);
    void deleteGlyph(int row);
    void importFont();
    void exportFontTable();
    void importFirmwareTable();
    void updateFirmwareFile();
    const FontTable& libraryNow();
    void tell(const QString& words, bool ok);

    QListView* list_;
    LibrarySession& session_;
    LibraryWords words_;
    Window window_;
    FontChooser chooseFont_;
};

} // namespace vorlix
