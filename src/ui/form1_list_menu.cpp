// The fonts list's menu: a stored glyph is edited (also by a double click)
// or deleted, a font is imported into the library (form1_import.cpp), and
// firmware tables are written from it and read into it. Each change of the
// file goes through the store, with the safety of a save.

#include "ui/form1.h"

#include "editor/column_encoding.h"
#include "editor/column_text.h"
#include "ui/firmware_dialogs.h"

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QFileDialog>
#include <QGroupBox>
#include <QLineEdit>
#include <QListView>

namespace vorlix {

namespace {

QString chooseFontFile(QWidget* parent) {
    return QFileDialog::getOpenFileName(
        parent, QStringLiteral("Import font"), QDir::homePath(),
        QStringLiteral(
            "Fonts (*.bdf *.bdf.gz *.pcf *.pcf.gz *.ttf *.otf *.pfb *.pfa *.t1);;All files (*)"));
}

} // namespace

void Form1::buildListMenu() {
    chooseFont_ = chooseFontFile;
    const auto onPickedLine = [this](void (Form1::*handler)(int)) {
        return [this, handler] {
            const QModelIndex line = lstFONTS->currentIndex();
            if (line.isValid() && lstFONTS->selectionModel()->isSelected(line)) {
                (this->*handler)(line.row());
            }
        };
    };
    struct Entry {
        const char* text;
        std::function<void()> run;
        QKeySequence key;
    };
    const Entry entries[] = {
        {"Edit", onPickedLine(&Form1::editListedGlyph), {}},
        {"Delete", onPickedLine(&Form1::deleteListedGlyph), QKeySequence::Delete},
        {"Import font...", [this] { importFontFile(); }, {}},
        {"Export font table...", [this] { exportFontTable(); }, {}},
        {"Import firmware table...", [this] { importFirmwareTable(); }, {}},
    };
    lstFONTS->setContextMenuPolicy(Qt::ActionsContextMenu);
    for (const Entry& entry : entries) {
        auto* action = new QAction(QString::fromLatin1(entry.text), lstFONTS);
        action->setObjectName(QString::fromLatin1(entry.text));
        action->setShortcut(entry.key);
        action->setShortcutContext(Qt::WidgetShortcut); // the list's own key
        connect(action, &QAction::triggered, this, entry.run);
        lstFONTS->addAction(action);
    }
    connect(lstFONTS, &QListView::doubleClicked, this,
            [this](const QModelIndex& line) { editListedGlyph(line.row()); });
}

void Form1::editListedGlyph(int row) {
    if (row < 0 || static_cast<std::size_t>(row) >= session_.table().size()) {
        return;
    }
    const FONTREC& record = session_.table()[static_cast<std::size_t>(row)];
    const auto glyph = decodeColumns(record.HEX, bitOptions());
    if (!glyph) {
        message(
            QStringLiteral("The glyph for \"%1\" cannot be loaded into the editor: its "
                           "columns are not all bytes (%2).")
                .arg(QString::fromStdString(record.CHAR),
                     QString::fromUtf8(byteForm.data(), static_cast<qsizetype>(byteForm.size()))),
            QMessageBox::Warning);
        return;
    }
    const QString character = QString::fromStdString(record.CHAR);
    changeGlyph(*glyph);
    txtABC->setText(character);
    if (fraFONTS->isVisible()) {
        cmdLIST_Click(); // as "Hide fonts list" hides it, so the editor can be reached
    }
}

void Form1::deleteListedGlyph(int row) {
    if (row < 0 || static_cast<std::size_t>(row) >= session_.table().size()) {
        return;
    }
    const FONTREC record = session_.table()[static_cast<std::size_t>(row)];
    if (message(
            QStringLiteral("Delete the glyph for \"%1\" from the library?\r\n%2")
                .arg(QString::fromStdString(record.CHAR), QString::fromStdString(listLine(record))),
            QMessageBox::Question, QMessageBox::Yes | QMessageBox::No,
            QStringLiteral("Delete Font Data?"), QMessageBox::No) != QMessageBox::Yes) {
        return;
    }
    tell(session_.remove(static_cast<std::size_t>(row)));
    reloadAndTell();
}

void Form1::exportFontTable() {
    FontExportDialog dialog(session_.table(), session_.location().path, this);
    dialog.exec();
}

void Form1::importFirmwareTable() {
    TableImportDialog dialog(this);
    if (dialog.exec() != QDialog::Accepted) {
        return;
    }
    const LibraryWrite merged = session_.merge(QDir::toNativeSeparators(dialog.file()),
                                               dialog.glyphs(), dialog.replaceExisting());
    tell(merged);
    if (merged.ok()) {
        reloadAndTell();
    }
}

void Form1::reloadAndTell() {
    const QString problem = LOADDATA();
    if (!problem.isEmpty()) {
        message(problem, QMessageBox::Warning);
    }
}

} // namespace vorlix
