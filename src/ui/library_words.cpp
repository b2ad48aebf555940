#include "ui/library_words.h"

#include "library/character_name.h"

#include <QDir>

namespace vorlix {

namespace {

QString shown(const QString& path) {
    return QDir::toNativeSeparators(path);
}

} // namespace

QString LibraryWords::path() const {
    return shown(session_.location().path);
}

QString LibraryWords::description() const {
    const LibraryLocation& location = session_.location();
    return location.showsSeed()
               ? tr("The starter font %1, read-only: your first save makes your own library, %2")
                     .arg(shown(location.seed), path())
               : tr("The font library %1").arg(path());
}

QString LibraryWords::reloaded(const LibraryReload& reload) const {
    if (!reload.error.isEmpty()) {
        return tr("The font library\r\n%1\r\ncould not be read: %2\r\n\r\nThe fonts list stays "
                  "empty until the file can be read.")
            .arg(path(), reload.error);
    }
    if (!reload.damage) {
        return {};
    }
    return tr("Reading the font library\r\n%1\r\nstopped at line %2: %3.\r\n\r\nThe %4 glyphs "
              "before that point were loaded. The file is left as it is; mend or remove the "
              "damaged part with a text editor.")
        .arg(path())
        .arg(reload.damage->line)
        .arg(QString::fromStdString(reload.damage->what))
        .arg(session_.table().size());
}

// "The glyph could not be saved to" the library, why, and whether the file is
// as it was.
QString LibraryWords::failed(const QString& what, const LibraryWrite& write) const {
    return QStringLiteral("%1\r\n%2\r\n\r\n%3%4")
        .arg(what, path(), write.error,
             write.result == LibraryWrite::Result::damaged
                 ? QString()
                 : QStringLiteral("\r\n\r\n") + tr("The library file is unchanged."));
}

QString LibraryWords::saved(const LibraryWrite& write, const FONTREC& record) const {
    if (write.result == LibraryWrite::Result::refused) {
        return tr("The character \"%1\" cannot be saved: %2.")
            .arg(QString::fromStdString(record.CHAR), write.error);
    }
    if (!write.ok()) {
        return failed(tr("The glyph could not be saved to"), write);
    }
    if (write.backupPath.isEmpty()) {
        return {};
    }
    return tr("Part of %1 could not be read (line %2: %3).\r\n\r\nThe old file was kept as\r\n%4"
              "\r\nand the library was written anew from the glyphs that could be read, with "
              "this one saved.")
        .arg(path())
        .arg(write.dropped.line)
        .arg(QString::fromStdString(write.dropped.what), shown(write.backupPath));
}

QString LibraryWords::deleted(const LibraryWrite& write) const {
    if (!write.ok()) {
        return failed(tr("The glyph could not be deleted from"), write);
    }
    if (write.backupPath.isEmpty()) {
        return {};
    }
    return tr("Part of the library could not be read (line %1: %2), so it was written anew "
              "without it; the old file is kept as\r\n%3")
        .arg(write.dropped.line)
        .arg(QString::fromStdString(write.dropped.what), shown(write.backupPath));
}

QString LibraryWords::notImported(const QString& source, const QString& why) const {
    return tr("%1 could not be imported into\r\n%2\r\n\r\n%3\r\n\r\nThe library file is "
              "unchanged.")
        .arg(source, path(), why);
}

QString LibraryWords::merged(const LibraryWrite& write, const QString& source,
                             std::optional<std::size_t> missing) const {
    if (!write.ok()) {
        return failed(tr("%1 could not be imported into").arg(source), write);
    }
    // Both files in full: what was read, and the library it went into.
    QString words = tr("%1 into\r\n%2:\r\n%3.")
                        .arg(source, path(), QString::fromStdString(mergeCounts(write, missing)));
    if (!write.refused.empty()) {
        words += QStringLiteral("\r\n\r\n") +
                 tr("The library file cannot store these: %1.")
                     .arg(QString::fromStdString(fieldNames(write.refused)));
    }
    if (!write.backupPath.isEmpty()) {
        words +=
            QStringLiteral("\r\n\r\n") +
            (write.dropped.line > 0
                 ? tr("Part of the old file could not be read (line %1: %2); it is kept as"
                      "\r\n%3")
                       .arg(write.dropped.line)
                       .arg(QString::fromStdString(write.dropped.what), shown(write.backupPath))
                 : tr("The library as it was before is kept as\r\n%1")
                       .arg(shown(write.backupPath)));
    }
    return words;
}

} // namespace vorlix
