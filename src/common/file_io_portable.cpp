#include "common/file_faults.h"
#include "common/file_io.h"

#include <QFileInfo>
#include <QLockFile>
#include <QSaveFile>

namespace vorlix {

namespace {

WriteResult failed(const QString& why) {
    return {WriteStatus::failed, why};
}

WriteResult stopIfAsked(const BeforeCommit& beforeCommit) {
    if (beforeCommit) {
        if (QString why = beforeCommit(); !why.isEmpty()) {
            return {WriteStatus::stopped, why};
        }
    }
    return {};
}

WriteResult writeInto(const QString& path, std::string_view bytes,
                      const BeforeCommit& beforeCommit) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append)) {
        return failed(file.errorString());
    }
    if (WriteResult stop = stopIfAsked(beforeCommit); stop.status != WriteStatus::written) {
        return stop;
    }
    if (file.write(bytes.data(), static_cast<qint64>(bytes.size())) !=
            static_cast<qint64>(bytes.size()) ||
        !file.flush()) {
        return failed(file.errorString());
    }
    return {};
}

bool overwrite(QFile& file, std::string_view bytes) {
    return file.seek(0) &&
           file.write(bytes.data(), static_cast<qint64>(bytes.size())) ==
               static_cast<qint64>(bytes.size()) &&
           file.resize(static_cast<qint64>(bytes.size())) && file.flush();
}

// For a file in a folder that takes no new files: its old bytes are written
// back should the new ones fail.
WriteResult writeInPlace(const QString& path, std::string_view bytes,
                         const BeforeCommit& beforeCommit) {
    QFile file(path);
    if (!file.open(QIODevice::ReadWrite)) {
        return failed(file.errorString());
    }
    const QByteArray old = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        return failed(file.errorString());
    }
    if (WriteResult stop = stopIfAsked(beforeCommit); stop.status != WriteStatus::written) {
        return stop;
    }
    if (overwrite(file, bytes)) {
        return {};
    }
    const QString why = file.errorString();
    file.unsetError();
    if (overwrite(file, {old.constData(), static_cast<std::size_t>(old.size())})) {
        return failed(why);
    }
    return {WriteStatus::damaged, why + QStringLiteral("; its old content could not be written "
                                                       "back either, so it may be damaged")};
}

constexpr QFileDevice::Permissions anyWrite =
    QFileDevice::WriteOwner | QFileDevice::WriteGroup | QFileDevice::WriteOther;

} // namespace

WriteResult writeFile(const QString& path, std::string_view bytes,
                      const BeforeCommit& beforeCommit) {
    const QFileInfo info(path);
    const bool exists = info.exists();
    if (exists && !isPlainFile(path)) {
        return writeInto(path, bytes, beforeCommit);
    }
    if (exists && (info.permissions() & anyWrite) == 0) {
        return failed(QStringLiteral("The file is read-only."));
    }
    // Replace the file a link points to, not the link.
    const QString target = exists ? info.canonicalFilePath() : path;

    // QSaveFile gives the new file the old one's permissions.
    QSaveFile file(target);
    if (!file.open(QIODevice::WriteOnly)) {
        if (exists && info.isWritable()) {
            return writeInPlace(target, bytes, beforeCommit);
        }
        return failed(file.errorString());
    }
    if (file.write(bytes.data(), static_cast<qint64>(bytes.size())) !=
            static_cast<qint64>(bytes.size()) ||
        !file.flush()) {
        const QString why = file.errorString();
        file.cancelWriting();
        return failed(why);
    }
    if (WriteResult stop = stopIfAsked(beforeCommit); stop.status != WriteStatus::written) {
        file.cancelWriting();
        return stop;
    }
    if (fileStepFails(FileStep::commit)) {
        file.cancelWriting();
        return failed(QStringLiteral("Input/output error"));
    }
    if (!file.commit()) {
        return failed(file.errorString());
    }
    return {};
}

WriteResult writeNewFile(const QString& path, std::string_view bytes, const QString&) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
        return {file.exists() ? WriteStatus::taken : WriteStatus::failed, file.errorString()};
    }
    if (file.write(bytes.data(), static_cast<qint64>(bytes.size())) !=
            static_cast<qint64>(bytes.size()) ||
        !file.flush()) {
        const QString why = file.errorString();
        file.close();
        QFile::remove(path);
        return failed(why);
    }
    file.close();
    if (file.error() != QFileDevice::NoError || fileStepFails(FileStep::close)) {
        QFile::remove(path);
        return failed(file.errorString());
    }
    return {};
}

bool mayAddFilesTo(const QString& folder) {
    return QFileInfo(folder).isWritable();
}

struct WriteLock::Held {
    std::unique_ptr<QLockFile> lockFile;
};

WriteLock::WriteLock(const QString& path, int waitMs) : held_(std::make_unique<Held>()) {
    const QFileInfo info(path);
    const QString target = info.exists() ? info.canonicalFilePath() : info.absoluteFilePath();
    const QString lockPath = target + QStringLiteral(".lock");
    held_->lockFile = std::make_unique<QLockFile>(lockPath);
    // As on POSIX, only a lock that another holds stops the write.
    if (!held_->lockFile->tryLock(waitMs) &&
        held_->lockFile->error() == QLockFile::LockFailedError) {
        heldBy_ = lockPath;
    }
}

WriteLock::~WriteLock() = default;

bool sameFile(const QString& a, const QString& b) {
    const QFileInfo infoA(a);
    const QFileInfo infoB(b);
    return infoA.exists() && infoB.exists() &&
           infoA.canonicalFilePath() == infoB.canonicalFilePath();
}

} // namespace vorlix
