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
    const QByteArray data = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        return {{}, file.errorString()};
    }
    return {data.toStdString(), {}};
}

QString writeBytes(const QString& path, const std::string& bytes) {
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

namespace {

SaveOutcome save(const QString& path, const FONTREC& record,
                 std::optional<Rewrite> (*edit)(std::string_view, const FONTREC&)) {
    const FileBytes file = readBytes(path);
    if (!file.error.isEmpty()) {
        return {file.error, {}, {}};
    }
    const auto rewrite = edit(file.bytes, record);
    if (!rewrite) {
        return {unstorable, {}, {}};
    }
    SaveOutcome outcome;
    if (rewrite->dropped) {
        // The new file can only hold what could be read; keep the old one aside.
        outcome.backupPath = path + QStringLiteral(".bak");
        outcome.dropped = *rewrite->dropped;
        outcome.error = writeBytes(outcome.backupPath, file.bytes);
        if (!outcome.error.isEmpty()) {
            return outcome;
        }
    }
    outcome.error = writeBytes(path, rewrite->bytes);
    return outcome;
}

} // namespace

SaveOutcome appendToLibrary(const QString& path, const FONTREC& record) {
    return save(path, record, appendedBytes);
}

SaveOutcome replaceInLibrary(const QString& path, const FONTREC& record) {
    return save(path, record, replacedBytes);
}

} // namespace vorlix
