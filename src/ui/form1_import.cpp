// Import font...: the font is read and what importing it would do is shown,
// with a few of its glyphs drawn, before the one question; the store then
// merges it with the safety of a save.

#include "ui/form1.h"

#include "common/utf8.h"
#include "library/character_name.h"
#include "library/cp1252.h"
#include "render/font_import.h"

#include <QCheckBox>
#include <QDir>

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

} // namespace

void Form1::importFontFile() {
    const QString font = chooseFont_(this);
    if (font.isEmpty()) {
        return;
    }
    const QString shownFont = QDir::toNativeSeparators(font);
    // The font is read, and what it would do shown, before anything is asked.
    FontGlyphs glyphs = readFontGlyphs(font, printableCp1252());
    if (glyphs.tooLarge &&
        message(glyphs.error + QStringLiteral(".\r\n\r\nImport its glyphs all the same, cut "
                                              "at the cell's edges?"),
                QMessageBox::Question, QMessageBox::Yes | QMessageBox::No,
                QStringLiteral("Import Font"), QMessageBox::No) == QMessageBox::Yes) {
        glyphs = readFontGlyphs(font, printableCp1252(), {}, true);
    }
    if (!glyphs.error.isEmpty()) {
        message(session_.notImported(shownFont, glyphs.error), QMessageBox::Critical);
        return;
    }
    const FontTable records = glyphRecords(glyphs, bitOptions());
    const LibraryWrite plan = session_.planMerge(shownFont, records);
    if (!plan.ok()) {
        tell(plan);
        return;
    }
    std::vector<char32_t> clipped;
    for (const ImportedGlyph& imported : glyphs.glyphs) {
        if (imported.clipped) {
            clipped.push_back(imported.character);
        }
    }
    QString text = QStringLiteral("%1 into\r\n%2:\r\n\r\n%3 new characters would be added; "
                                  "%4 stored ones differ from the font; %5 are the same.")
                       .arg(shownFont, QDir::toNativeSeparators(session_.location().path))
                       .arg(plan.added)
                       .arg(plan.replaced)
                       .arg(plan.kept);
    if (!clipped.empty()) {
        text += QStringLiteral("\r\n\r\n%1 lose dots to the 5x8 cell: %2.")
                    .arg(clipped.size())
                    .arg(QString::fromStdString(characterNames(clipped)));
    }
    if (!glyphs.missing.empty() || !plan.refused.empty()) {
        text += QStringLiteral("\r\n\r\nNot in the font: %1; the library file cannot store: %2.")
                    .arg(glyphs.missing.size())
                    .arg(plan.refused.size());
    }
    const bool differ = plan.replaced > 0;
    if (plan.added == 0 && !differ) {
        message(text + QStringLiteral("\r\n\r\nThere is nothing to import."),
                QMessageBox::Information);
        return;
    }
    text += differ ? QStringLiteral("\r\n\r\nYes replaces the stored glyphs that differ (the "
                                    "library is kept as a backup), No keeps them and adds only "
                                    "the new ones, Cancel imports nothing.")
                   : QStringLiteral("\r\n\r\nOK adds them, Cancel imports nothing.");
    const QMessageBox::StandardButton answer =
        message(text, QMessageBox::Question,
                differ ? QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel
                       : QMessageBox::Ok | QMessageBox::Cancel,
                QStringLiteral("Import Font"),
                clipped.empty() ? QMessageBox::NoButton : QMessageBox::Cancel,
                drawnGlyphs(sampleGlyphs(glyphs, plan.refused)));
    if (answer == QMessageBox::Cancel) {
        return;
    }
    tell(session_.merge(shownFont, records, answer == QMessageBox::Yes, glyphs.missing.size()));
    reloadAndTell();
}

} // namespace vorlix
