#include "common/file_io.h"

#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vorlix {

namespace {

QString systemError(int error) {
    return QString::fromLocal8Bit(std::strerror(error));
}

// A path that reaches its file through an open file descriptor (as
// /dev/stdout does, through /proc/self/fd/1) names an open stream, even when
// the file behind it is a regular one: replacing that file would throw away
// what the stream's owner wrote before, as with "-o /dev/stdout >> log".
bool namesAStream(const QString& path) {
    static const QRegularExpression descriptor(QStringLiteral("^(/proc/[^/]+/fd|/dev/fd)/"));
    QString hop = QFileInfo(path).absoluteFilePath();
    for (int links = 0; links < 40; ++links) {
        if (descriptor.match(hop).hasMatch()) {
            return true;
        }
        const QFileInfo info(hop);
        if (!info.isSymLink()) {
            return false;
        }
        hop = info.symLinkTarget();
    }
    return false;
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
        return ::close(fd) == 0;
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
           ::fsync(fd) == 0;
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

FileRead readFile(const QString& path, qint64 limit) {
    QFile file(path);
    if (!file.exists()) {
        return {true, {}, {}};
    }
    if (!file.open(QIODevice::ReadOnly)) {
        return {false, {}, file.errorString()};
    }
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(std::clamp<qint64>(file.size(), 0, limit)));
    char chunk[64 * 1024];
    qint64 read = 0;
    while ((read = file.read(chunk, sizeof chunk)) > 0) {
        if (static_cast<qint64>(bytes.size()) + read > limit) {
            return {false,
                    {},
                    QStringLiteral("it is larger than %1 MiB, far more than any font library")
                        .arg(limit / (1024 * 1024))};
        }
        bytes.append(chunk, static_cast<std::size_t>(read));
    }
    if (read < 0) {
        return {false, {}, file.errorString()};
    }
    return {false, std::move(bytes), {}};
}

WriteResult writeFile(const QString& path, std::string_view bytes,
                      const BeforeCommit& beforeCommit) {
    struct stat old {};
    const bool exists = ::stat(QFile::encodeName(path).constData(), &old) == 0;
    if (exists && (!S_ISREG(old.st_mode) || namesAStream(path))) {
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
    if (!file.commit()) {
        return failed(file.errorString());
    }
    return {};
}

bool isPlainFile(const QString& path) {
    struct stat status {};
    return ::stat(QFile::encodeName(path).constData(), &status) != 0 ||
           (S_ISREG(status.st_mode) && !namesAStream(path));
}

bool sameFile(const QString& a, const QString& b) {
    struct stat sa {};
    struct stat sb {};
    return ::stat(QFile::encodeName(a).constData(), &sa) == 0 &&
           ::stat(QFile::encodeName(b).constData(), &sb) == 0 && sa.st_dev == sb.st_dev &&
           sa.st_ino == sb.st_ino;
}

} // namespace vorlix
