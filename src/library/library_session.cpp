#include "library/library_session.h"

#include "library/character_name.h"

#include <QDir>

namespace vorlix {

namespace {

QString shown(const QString& path) {
    return QDir::toNativeSeparators(path);
}

const QString unchangedNote = QStringLiteral("\r\n\r\nThe library file is unchanged.");

} // namespace

LibrarySession::LibrarySession(LibraryLocation location) : location_(std::move(location)) {}

QString LibrarySession::description() const {
    return location_.showsSeed()
               ? QStringLiteral("The starter font %1, read-only: your first save makes your own "
                                "library, %2")
                     .arg(shown(location_.seed), shown(location_.path))
               : QStringLiteral("The font library %1").arg(shown(location_.path));
}

QString LibrarySession::reload() {
    LibraryLoad load = loadLibrary(location_);
    table_ = std::move(load.parsed.records);
    encoding_ = load.parsed.encoding;
    if (!load.error.isEmpty()) {
        return QStringLiteral("The font library\r\n%1\r\ncould not be read: %2\r\n\r\nThe fonts "
                              "list stays empty until the file can be read.")
            .arg(shown(location_.path), load.error);
    }
    if (load.parsed.damage == reportedDamage_) {
        return {};
    }
    reportedDamage_ = load.parsed.damage;
    if (!reportedDamage_) {
        return {};
    }
    return QStringLiteral("Reading the font library\r\n%1\r\nstopped at line %2: %3.\r\n\r\n"
                          "The %4 glyphs before that point were loaded. The file is left as it "
                          "is; mend or remove the damaged part with a text editor.")
        .arg(shown(location_.path))
        .arg(reportedDamage_->line)
        .arg(QString::fromStdString(reportedDamage_->what))
        .arg(table_.size());
}

// "The glyph could not be saved to" the library, why, and whether the file is
// as it was.
QString LibrarySession::failedWords(const QString& what, const LibraryWrite& write) const {
    return QStringLiteral("%1\r\n%2\r\n\r\n%3%4")
        .arg(what, shown(location_.path), write.error,
             write.result == LibraryWrite::Result::damaged ? QString() : unchangedNote);
}

LibraryWrite LibrarySession::save(const FONTREC& record, bool invertColumns,
                                  const std::function<bool()>& replaceConfirmed) {
    if (const auto problem = fieldProblem(record.CHAR, encoding_)) {
        LibraryWrite refused;
        refused.result = LibraryWrite::Result::failed;
        refused.error = QString::fromStdString(*problem);
        refused.words = QStringLiteral("The character \"%1\" cannot be saved: %2.")
                            .arg(QString::fromStdString(record.CHAR), refused.error);
        return refused;
    }
    LibraryWrite saved = saveGlyph(location_, record, invertColumns, replaceConfirmed);
    if (!saved.ok()) {
        saved.words = failedWords(QStringLiteral("The glyph could not be saved to"), saved);
    } else if (!saved.backupPath.isEmpty()) {
        saved.words =
            QStringLiteral("Part of %1 could not be read (line %2: %3).\r\n\r\nThe old file "
                           "was kept as\r\n%4\r\nand the library was written anew from the "
                           "glyphs that could be read, with this one saved.")
                .arg(shown(location_.path))
                .arg(saved.dropped.line)
                .arg(QString::fromStdString(saved.dropped.what), shown(saved.backupPath));
    }
    return saved;
}

LibraryWrite LibrarySession::remove(std::size_t k) {
    LibraryWrite removed = deleteGlyph(location_, table_[k], k);
    if (!removed.ok()) {
        removed.words = failedWords(QStringLiteral("The glyph could not be deleted from"), removed);
    } else if (!removed.backupPath.isEmpty()) {
        removed.words =
            QStringLiteral("Part of the library could not be read (line %1: %2), so it was "
                           "written anew without it; the old file is kept as\r\n%3")
                .arg(removed.dropped.line)
                .arg(QString::fromStdString(removed.dropped.what), shown(removed.backupPath));
    }
    return removed;
}

QString LibrarySession::notImported(const QString& source, const QString& why) const {
    return QStringLiteral("%1 could not be imported into\r\n%2\r\n\r\n%3%4")
        .arg(source, shown(location_.path), why, unchangedNote);
}

LibraryWrite LibrarySession::planMerge(const QString& source, const FontTable& records) const {
    LibraryWrite plan = vorlix::planMerge(location_, records, true);
    if (!plan.ok()) {
        plan.words = notImported(source, plan.error);
    }
    return plan;
}

LibraryWrite LibrarySession::merge(const QString& source, const FontTable& records,
                                   bool replaceExisting, std::optional<std::size_t> missing) {
    LibraryWrite merged = mergeGlyphs(location_, records, replaceExisting);
    if (!merged.ok()) {
        merged.words =
            failedWords(QStringLiteral("%1 could not be imported into").arg(source), merged);
        return merged;
    }
    merged.words = QStringLiteral("%1:\r\n%2.")
                       .arg(source, QString::fromStdString(mergeCounts(merged, missing)));
    if (!merged.refused.empty()) {
        merged.words += QStringLiteral("\r\n\r\nThe library file cannot store these: %1.")
                            .arg(QString::fromStdString(fieldNames(merged.refused)));
    }
    if (!merged.backupPath.isEmpty()) {
        merged.words +=
            merged.dropped.line > 0
                ? QStringLiteral("\r\n\r\nPart of the old file could not be read (line %1: "
                                 "%2); it is kept as\r\n%3")
                      .arg(merged.dropped.line)
                      .arg(QString::fromStdString(merged.dropped.what), shown(merged.backupPath))
                : QStringLiteral("\r\n\r\nThe library as it was before is kept as\r\n%1")
                      .arg(shown(merged.backupPath));
    }
    return merged;
}

} // namespace vorlix
