#include "common/file_faults.h"
#include "common/file_io.h"

#include <QDeadlineTimer>
#include <QFileInfo>
#include <QLockFile>
#include <QSaveFile>
#include <QThread>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vorlix {

namespace {

QString systemError(int error) {
    return QString::fromLocal8Bit(std::strerror(error));
}

int syncFile(int fd) {
    if (fileStepFails(FileStep::sync)) {
        errno = EIO;
        return -1;
    }
    return ::fsync(fd);
}

bool writeAll(int fd, std::string_view bytes, off_t offset, bool positioned) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = positioned ? ::pwrite(fd, bytes.data() + done, bytes.size() - done,
                                                offset + static_cast<off_t>(done))
                                     : ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            return false;
        }
        done += static_cast<std::size_t>(n);
    }
    return true;
}

class Fd {
public:
    explicit Fd(int fd) : fd_(fd) {}
    ~Fd() {
        if (fd_ >= 0) {
            ::close(fd_);
        }
    }
    Fd(const Fd&) = delete;
    Fd& operator=(const Fd&) = delete;
    int get() const { return fd_; }
    // Closing can report a write error that nothing reported before.
    bool close() {
        const int fd = fd_;
        fd_ = -1;
        if (::close(fd) != 0) {
            return false;
        }
        if (fileStepFails(FileStep::close)) {
            errno = EIO;
            return false;
        }
        return true;
    }

private:
    int fd_;
};

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
    Fd fd(::open(QFile::encodeName(path).constData(), O_WRONLY | O_APPEND | O_NOCTTY | O_CLOEXEC));
    if (fd.get() < 0) {
        return failed(systemError(errno));
    }
    if (WriteResult stop = stopIfAsked(beforeCommit); stop.status != WriteStatus::written) {
        return stop;
    }
    if (!writeAll(fd.get(), bytes, 0, false) || !fd.close()) {
        return failed(systemError(errno));
    }
    return {};
}

bool readAll(int fd, std::string& out) {
    char chunk[64 * 1024];
    for (off_t at = 0;;) {
        const ssize_t n = ::pread(fd, chunk, sizeof chunk, at);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            return n == 0;
        }
        out.append(chunk, static_cast<std::size_t>(n));
        at += n;
    }
}

bool overwrite(int fd, std::string_view bytes) {
    return writeAll(fd, bytes, 0, true) && ::ftruncate(fd, static_cast<off_t>(bytes.size())) == 0 &&
           syncFile(fd) == 0;
}

// For a file in a folder that takes no new files: the old bytes are
// overwritten only once the disk has promised room for the new ones, and are
// written back should the new ones fail all the same.
WriteResult writeInPlace(const QString& path, std::string_view bytes,
                         const BeforeCommit& beforeCommit) {
    Fd fd(::open(QFile::encodeName(path).constData(), O_RDWR | O_NOCTTY | O_CLOEXEC));
    std::string old;
    if (fd.get() < 0 || !readAll(fd.get(), old)) {
        return failed(systemError(errno));
    }
    const auto size = static_cast<off_t>(bytes.size());
    if (size > 0) {
        // Reserved without growing the file, so that stopping here changes nothing.
        if (::fallocate(fd.get(), FALLOC_FL_KEEP_SIZE, 0, size) != 0 && errno != EOPNOTSUPP) {
            return failed(systemError(errno));
        }
    }
    if (WriteResult stop = stopIfAsked(beforeCommit); stop.status != WriteStatus::written) {
        return stop;
    }
    if (overwrite(fd.get(), bytes)) {
        return fd.close() ? WriteResult{} : failed(systemError(errno));
    }
    const QString why = systemError(errno);
    if (overwrite(fd.get(), old)) {
        return failed(why);
    }
    return {WriteStatus::damaged, why + QStringLiteral("; its old content could not be written "
                                                       "back either, so it may be damaged")};
}

} // namespace

WriteResult writeFile(const QString& path, std::string_view bytes,
                      const BeforeCommit& beforeCommit) {
    struct stat old {};
    const bool exists = ::stat(QFile::encodeName(path).constData(), &old) == 0;
    if (exists && !isPlainFile(path)) {
        return writeInto(path, bytes, beforeCommit);
    }
    if (exists && (old.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0) {
        return failed(QStringLiteral("The file is read-only."));
    }
    // Replace the file a link points to, not the link.
    const QString target = exists ? QFileInfo(path).canonicalFilePath() : path;

    QSaveFile file(target);
    if (!file.open(QIODevice::WriteOnly)) {
        if (exists && ::access(QFile::encodeName(target).constData(), W_OK) == 0) {
            return writeInPlace(target, bytes, beforeCommit);
        }
        return failed(file.errorString());
    }
    if (exists && (::fchown(file.handle(), old.st_uid, old.st_gid) != 0 ||
                   ::fchmod(file.handle(), old.st_mode & 07777) != 0)) {
        // Only the owner's copy may change hands; anyone else keeps the file
        // by writing into it.
        file.cancelWriting();
        return writeInPlace(target, bytes, beforeCommit);
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
        return failed(systemError(EIO));
    }
    if (!file.commit()) {
        return failed(file.errorString());
    }
    return {};
}

WriteResult writeNewFile(const QString& path, std::string_view bytes, const QString& ownerOf) {
    struct stat owner {};
    const bool known = ::stat(QFile::encodeName(ownerOf).constData(), &owner) == 0;
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
        return {file.exists() ? WriteStatus::taken : WriteStatus::failed, file.errorString()};
    }
    if (known) {
        // Root's backup stays the library owner's.
        [[maybe_unused]] const int ignored = ::fchown(file.handle(), owner.st_uid, owner.st_gid);
    }
    const bool written = file.write(bytes.data(), static_cast<qint64>(bytes.size())) ==
                             static_cast<qint64>(bytes.size()) &&
                         file.flush();
    if (!written || syncFile(file.handle()) != 0) {
        // QFile knows nothing of a failed fsync: errno says why.
        const QString why = written ? systemError(errno) : file.errorString();
        // By name: QFile::remove keeps a file whose closing fails.
        file.close();
        QFile::remove(path);
        return failed(why);
    }
    return {};
}

bool mayAddFilesTo(const QString& folder) {
    return ::access(QFile::encodeName(folder).constData(), W_OK) == 0;
}

struct WriteLock::Held {
    std::unique_ptr<QLockFile> lockFile;
    int fd = -1;
    ~Held() {
        if (fd >= 0) {
            ::close(fd);
        }
    }
};

WriteLock::WriteLock(const QString& path, int waitMs) : held_(std::make_unique<Held>()) {
    const QFileInfo info(path);
    const QString target = info.exists() ? info.canonicalFilePath() : info.absoluteFilePath();
    const QString lockPath = target + QStringLiteral(".lock");
    held_->lockFile = std::make_unique<QLockFile>(lockPath);
    // Only a lock that another holds stops here; a lock file that cannot be
    // made (a folder the user may not write, a missing one, a file system
    // that takes none) leaves the lock on the file itself, and the write
    // says what is wrong.
    if (!held_->lockFile->tryLock(waitMs) &&
        held_->lockFile->error() == QLockFile::LockFailedError) {
        heldBy_ = lockPath;
        return;
    }
    QDeadlineTimer deadline(waitMs);
    int& fd = held_->fd;
    while (info.exists()) {
        fd = ::open(QFile::encodeName(target).constData(), O_RDONLY | O_CLOEXEC);
        if (fd < 0) {
            return; // read next, and its error said there
        }
        while (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
            if (deadline.hasExpired()) {
                heldBy_ = target;
                return;
            }
            QThread::msleep(10);
        }
        struct stat locked {};
        struct stat now {};
        if (::fstat(fd, &locked) != 0 || ::stat(QFile::encodeName(target).constData(), &now) != 0 ||
            (locked.st_dev == now.st_dev && locked.st_ino == now.st_ino)) {
            return;
        }
        ::close(fd);
        fd = -1;
    }
}

WriteLock::~WriteLock() = default;

bool sameFile(const QString& a, const QString& b) {
    struct stat sa {};
    struct stat sb {};
    return ::stat(QFile::encodeName(a).constData(), &sa) == 0 &&
           ::stat(QFile::encodeName(b).constData(), &sb) == 0 && sa.st_dev == sb.st_dev &&
           sa.st_ino == sb.st_ino;
}

} // namespace vorlix
