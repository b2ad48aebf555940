#include "ui/fonts_list_menu.h"

#include "common/utf8.h"
#include "editor/column_encoding.h"
#include "editor/column_text.h"
#include "library/character_name.h"
#include "library/cp1252.h"
#include "render/font_import.h"
#include "ui/firmware_dialogs.h"

#include <QAction>
#include <QDir>
#include <QFileDialog>
#include <QListView>

#include <algorithm>

namespace vorlix {

namespace {

// Rows of '#' (lit) and '.' under each character's name, glyphs side by side.
QString drawnGlyphs(const std::vector<const ImportedGlyph*>& glyphs) {
    QStringList rows(Glyph::rows + 1);
    for (const ImportedGlyph* imported : glyphs) {
        rows[0] += QStringLiteral("  %1     ").arg(QString::fromUcs4(&imported->character, 1));
        for (int r = 0; r < Glyph::rows; ++r) {
            for (int c = 0; c < Glyph::columns; ++c) {
                rows[r + 1] += imported->glyph.lit(c, r) ? QLatin1Char('#') : QLatin1Char('.');
            }
            rows[r + 1] += QStringLiteral("   ");
        }
    }
    for (QString& row : rows) {
        while (row.endsWith(QLatin1Char(' '))) {
            row.chop(1);
        }
    }
    return rows.join(QStringLiteral("\r\n"));
}

// A few glyphs to judge the font by: those that lose dots first, then
// letters with and without descenders and a digit; none the library refuses.
std::vector<const ImportedGlyph*> sampleGlyphs(const FontGlyphs& font,
                                               const std::vector<std::string>& refused) {
    constexpr std::size_t shown = 8;
    std::vector<const ImportedGlyph*> sample;
    const auto add = [&](const ImportedGlyph& imported) {
        if (sample.size() < shown && std::ranges::find(sample, &imported) == sample.end() &&
            std::ranges::find(refused, toUtf8(std::u32string(1, imported.character))) ==
                refused.end()) {
            sample.push_back(&imported);
        }
    };
    for (const ImportedGlyph& imported : font.glyphs) {
        if (imported.clipped && sample.size() < shown / 2) {
            add(imported);
        }
    }
    for (const char32_t wanted : std::u32string_view(U"AHgjy0Wm")) {
        for (const ImportedGlyph& imported : font.glyphs) {
            if (imported.character == wanted) {
                add(imported);
            }
        }
    }
    for (const ImportedGlyph& imported : font.glyphs) {
        add(imported);
    }
    return sample;
}

QString chooseFontFile(QWidget* parent) {
    return QFileDialog::getOpenFileName(
        parent, FontsListMenu::tr("Import font"), QDir::homePath(),
        FontsListMenu::tr("Fonts (*.bdf *.bdf.gz *.pcf *.pcf.gz *.ttf *.otf *.pfb *.pfa *.t1);;"
                          "All files (*)"));
}

} // namespace

FontsListMenu::FontsListMenu(QListView* list, LibrarySession& session, Window window)
    : QObject(list), list_(list), session_(session), words_(session), window_(std::move(window)),
      chooseFont_(chooseFontFile) {
    const auto onPickedLine = [this](void (FontsListMenu::*handler)(int)) {
        return [this, handler] {
            const QModelIndex line = list_->currentIndex();
            if (line.isValid() && list_->selectionModel()->isSelected(line)) {
                (this->*handler)(line.row());
            }
        };
    };
    struct Entry {
        const char* name; // also the action's object name
        QString text;
        std::function<void()> run;
        QKeySequence key;
    };
    const Entry entries[] = {
        {"Edit", tr("Edit"), onPickedLine(&FontsListMenu::editGlyph), {}},
        {"Delete", tr("Delete"), onPickedLine(&FontsListMenu::deleteGlyph), QKeySequence::Delete},
        {"Import font...", tr("Import font..."), [this] { importFont(); }, {}},
        {"Export font table...", tr("Export font table..."), [this] { exportFontTable(); }, {}},
        {"Import firmware table...",
         tr("Import firmware table..."),
         [this] { importFirmwareTable(); },
         {}},
        {"Update firmware file...",
         tr("Update firmware file..."),
         [this] { updateFirmwareFile(); },
         {}},
    };
    list_->setContextMenuPolicy(Qt::ActionsContextMenu);
    for (const Entry& entry : entries) {
        auto* action = new QAction(entry.text, list_);
        action->setObjectName(QString::fromLatin1(entry.name));
        action->setShortcut(entry.key);
        action->setShortcutContext(Qt::WidgetShortcut); // the list's own key
        connect(action, &QAction::triggered, this, entry.run);
        list_->addAction(action);
    }
    connect(list_, &QListView::doubleClicked, this,
            [this](const QModelIndex& line) { editGlyph(line.row()); });
}

void FontsListMenu::tell(const QString& words, bool ok) {
    if (!words.isEmpty()) {
        window_.ask({.text = words, .icon = ok ? QMessageBox::Information : QMessageBox::Critical});
    }
}

void FontsListMenu::editGlyph(int row) {
    if (row < 0 || static_cast<std::size_t>(row) >= session_.table().size()) {
        return;
    }
    const FONTREC& record = session_.table()[static_cast<std::size_t>(row)];
    const auto glyph = decodeColumns(record.HEX, window_.bitOptions());
    if (!glyph) {
        window_.ask(
            {.text = tr("The glyph for \"%1\" cannot be loaded into the editor: its columns are "
                        "not all bytes (%2).")
                         .arg(QString::fromStdString(record.CHAR),
                              QString::fromUtf8(byteForm.data(),
                                                static_cast<qsizetype>(byteForm.size()))),
             .icon = QMessageBox::Warning});
        return;
    }
    window_.edit(*glyph, QString::fromStdString(record.CHAR));
}

void FontsListMenu::deleteGlyph(int row) {
    if (row < 0 || static_cast<std::size_t>(row) >= session_.table().size()) {
        return;
    }
    const FONTREC record = session_.table()[static_cast<std::size_t>(row)];
    if (window_.ask({.title = tr("Delete Font Data?"),
                     .text = tr("Delete the glyph for \"%1\" from the library?\r\n%2")
                                 .arg(QString::fromStdString(record.CHAR),
                                      QString::fromStdString(listLine(record))),
                     .icon = QMessageBox::Question,
                     .buttons = QMessageBox::Yes | QMessageBox::No,
                     .defaultButton = QMessageBox::No}) != QMessageBox::Yes) {
        return;
    }
    const LibraryWrite removed = session_.remove(static_cast<std::size_t>(row));
    tell(words_.deleted(removed), removed.ok());
    window_.reload();
}

void FontsListMenu::importFont() {
    const QString font = chooseFont_(window_.widget);
    if (font.isEmpty()) {
        return;
    }
    const QString shownFont = QDir::toNativeSeparators(font);
    // The font is read, and what it would do shown, before anything is asked.
    FontImport import = readFontImport(font, printableCp1252(), window_.bitOptions());
    if (import.font.tooLarge &&
        window_.ask({.title = tr("Import Font"),
                     .text = import.font.error + QStringLiteral(".\r\n\r\n") +
                             tr("Import its glyphs all the same, cut at the cell's edges?"),
                     .icon = QMessageBox::Question,
                     .buttons = QMessageBox::Yes | QMessageBox::No,
                     .defaultButton = QMessageBox::No}) == QMessageBox::Yes) {
        import = readFontImport(font, printableCp1252(), window_.bitOptions(), {}, true);
    }
    if (!import.font.error.isEmpty()) {
        window_.ask({.text = words_.notImported(shownFont, import.font.error),
                     .icon = QMessageBox::Critical});
        return;
    }
    const LibraryWrite plan = session_.planMerge(import.records);
    if (!plan.ok()) {
        window_.ask(
            {.text = words_.notImported(shownFont, plan.error), .icon = QMessageBox::Critical});
        return;
    }
    QString text = tr("%1 into\r\n%2:\r\n\r\n%3 new characters would be added; %4 stored "
                      "ones differ from the font; %5 are the same.")
                       .arg(shownFont, QDir::toNativeSeparators(session_.location().path))
                       .arg(plan.added)
                       .arg(plan.replaced)
                       .arg(plan.kept);
    if (!import.clipped.empty()) {
        text += QStringLiteral("\r\n\r\n") +
                tr("%1 lose dots to the 5x8 cell: %2.")
                    .arg(import.clipped.size())
                    .arg(QString::fromStdString(characterNames(import.clipped)));
    }
    if (!import.font.missing.empty() || !plan.refused.empty()) {
        text += QStringLiteral("\r\n\r\n") +
                tr("Not in the font: %1; the library file cannot store: %2.")
                    .arg(import.font.missing.size())
                    .arg(plan.refused.size());
    }
    const bool differ = plan.replaced > 0;
    if (plan.added == 0 && !differ) {
        window_.ask({.text = text + QStringLiteral("\r\n\r\n") + tr("There is nothing to import."),
                     .icon = QMessageBox::Information});
        return;
    }
    text += QStringLiteral("\r\n\r\n") +
            (differ ? tr("Yes replaces the stored glyphs that differ (the library is kept as a "
                         "backup), No keeps them and adds only the new ones, Cancel imports "
                         "nothing.")
                    : tr("OK adds them, Cancel imports nothing."));
    const QMessageBox::StandardButton answer = window_.ask(
        {.title = tr("Import Font"),
         .text = text,
         .icon = QMessageBox::Question,
         .buttons = differ ? QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel
                           : QMessageBox::Ok | QMessageBox::Cancel,
         .defaultButton = import.clipped.empty() ? QMessageBox::NoButton : QMessageBox::Cancel,
         .drawing = drawnGlyphs(sampleGlyphs(import.font, plan.refused))});
    if (answer == QMessageBox::Cancel) {
        return;
    }
    const LibraryWrite merged =
        session_.merge(import.records, {.replaceExisting = answer == QMessageBox::Yes});
    tell(words_.merged(merged, shownFont, import.font.missing.size()), merged.ok());
    window_.reload();
}

const FontTable& FontsListMenu::libraryNow() {
    window_.refresh(); // the library as it is on disk now, not as it was read
    return session_.table();
}

void FontsListMenu::exportFontTable() {
    FontExportDialog dialog([this]() -> const FontTable& { return libraryNow(); },
                            session_.location().path, window_.ask, window_.widget);
    dialog.exec();
}

void FontsListMenu::updateFirmwareFile() {
    TableImportDialog dialog(window_.ask, window_.widget,
                             [this]() -> const FontTable& { return libraryNow(); });
    dialog.exec();
}

void FontsListMenu::importFirmwareTable() {
    TableImportDialog dialog(window_.ask, window_.widget);
    if (dialog.exec() != QDialog::Accepted) {
        return;
    }
    const LibraryWrite merged =
        session_.merge(dialog.glyphs(), {.replaceExisting = dialog.replaceExisting()});
    tell(words_.merged(merged, QDir::toNativeSeparators(dialog.file())), merged.ok());
    if (merged.ok()) {
        window_.reload();
    }
}

} // namespace vorlix
