#include "library/library_store.h"

#include "library/library_edit.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>

namespace vorlix {

namespace {

struct FileBytes {
    std::string bytes;
    QString error;
};

FileBytes readBytes(const QString& path) {
    QFile file(path);
    if (!file.exists()) {
        return {};
    }
    if (!file.open(QIODevice::ReadOnly)) {
        return {{}, file.errorString()};
    }
    // Read to the end rather than trusting size(): a pipe reports none.
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(file.size()));
    char chunk[64 * 1024];
    qint64 read = 0;
    while ((read = file.read(chunk, sizeof chunk)) > 0) {
        bytes.append(chunk, static_cast<std::size_t>(read));
    }
    if (read < 0) {
        return {{}, file.errorString()};
    }
    return {std::move(bytes), {}};
}

// A file nobody may write is one the user protected: respect it even when
// running with the rights to replace it.
bool isReadOnly(const QString& path) {
    // The mode bits alone: WriteUser reports what the current user may do.
    constexpr auto anyWrite =
        QFileDevice::WriteOwner | QFileDevice::WriteGroup | QFileDevice::WriteOther;
    return QFile::exists(path) && (QFile::permissions(path) & anyWrite) == 0;
}

QString writeBytes(const QString& path, const std::string& bytes) {
    if (isReadOnly(path)) {
        return QStringLiteral("The file is read-only.");
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return file.errorString();
    }
    if (file.write(bytes.data(), static_cast<qint64>(bytes.size())) !=
        static_cast<qint64>(bytes.size())) {
        const QString error = file.errorString();
        file.cancelWriting();
        return error;
    }
    if (!file.commit()) {
        return file.errorString();
    }
    return {};
}

// FONTSDAT.txt.bak, or the first of .bak.2, .bak.3 ... not yet taken, so an
// earlier backup is never overwritten.
QString freeBackupPath(const QString& path) {
    QString backup = path + QStringLiteral(".bak");
    for (int n = 2; QFile::exists(backup); ++n) {
        backup = path + QStringLiteral(".bak.%1").arg(n);
    }
    return backup;
}

const QString unstorable =
    QStringLiteral("a field holds a character the library file cannot store");

} // namespace

QString libraryPathBeside(const QString& programFolder) {
    return QDir(programFolder).filePath(QStringLiteral("FONTSDAT.txt"));
}

LibraryLoad loadLibrary(const QString& path) {
    const FileBytes file = readBytes(path);
    if (!file.error.isEmpty()) {
        return {{}, file.error};
    }
    return {parseLibrary(file.bytes), {}};
}

SaveOutcome saveGlyph(const QString& path, const FONTREC& record, bool invertColumns,
                      const std::function<bool()>& replaceConfirmed) {
    const FileBytes file = readBytes(path);
    if (!file.error.isEmpty()) {
        return {file.error, {}, {}};
    }
    ParsedLibrary parsed = parseLibrary(file.bytes);
    std::optional<Rewrite> rewrite;
    if (const auto k = findRecord(parsed.records, record.CHAR)) {
        if (!replaceConfirmed()) {
            return {};
        }
        rewrite = replacedBytes(std::move(parsed), *k, record);
    } else {
        rewrite = appendedBytes(file.bytes, std::move(parsed),
                                recordToAppend(record.CHAR, record.HEX, invertColumns));
    }
    if (!rewrite) {
        return {unstorable, {}, {}};
    }
    SaveOutcome outcome;
    if (rewrite->dropped) {
        // The new file can only hold what could be read; keep the old one aside.
        outcome.backupPath = freeBackupPath(path);
        outcome.dropped = *rewrite->dropped;
        outcome.error = writeBytes(outcome.backupPath, file.bytes);
        if (!outcome.error.isEmpty()) {
            return outcome;
        }
    }
    outcome.error = writeBytes(path, rewrite->bytes);
    return outcome;
}

} // namespace vorlix
