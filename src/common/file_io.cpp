#include "common/file_io.h"
#include "common/file_faults.h"

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <algorithm>
#include <atomic>

namespace vorlix {

namespace {

std::atomic<FileStep> failingStep = FileStep::none;

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

bool isPlainFile(const QString& path) {
    const QFileInfo info(path);
    return !info.exists() || (info.isFile() && !namesAStream(path));
}

void failFileStep(FileStep step) {
    failingStep = step;
}

bool fileStepFails(FileStep step) {
    FileStep failing = step;
    return step != FileStep::none && failingStep.compare_exchange_strong(failing, FileStep::none);
}

} // namespace vorlix
