#include "table/firmware_file.h"

#include "table/table_file.h"

#include <QDir>

namespace vorlix {

namespace {

// An update takes milliseconds; a lock held this long belongs to a program that hangs.
constexpr int lockWaitMs = 10000;

} // namespace

FirmwareFileUpdate updateFirmwareFile(const QString& path, const TableUpdateRequest& request,
                                      const FontTable& library, bool write,
                                      const BeforeCommit& beforeCommit) {
    FirmwareFileUpdate out;
    using Failure = TableFileRead::Failure;
    const auto unread = [&](Failure failure, const QString& error) {
        out.error = failure == Failure::missing ? QStringLiteral("there is no such file")
                    : failure == Failure::notPlain
                        ? QStringLiteral("it is not a regular file (a folder, a device, a pipe or "
                                         "an open stream), so it is not updated")
                        : error;
        return out;
    };
    // Not even locked: a pipe would wait for a writer, and a stream reached
    // through a link (/dev/stdout) would be appended to, not replaced.
    if (!isPlainFile(path)) {
        return unread(Failure::notPlain, {});
    }
    // Two updates at once (a parallel build) wait for each other: read,
    // decide and write under the lock the library's writers take.
    const WriteLock lock(path, lockWaitMs);
    if (!lock.heldBy().isEmpty()) {
        return unread(Failure::unreadable,
                      QStringLiteral("another program is updating it and holds %1; nothing was "
                                     "written")
                          .arg(QDir::toNativeSeparators(lock.heldBy())));
    }
    FirmwareSource source = readFirmwareSource(path);
    if (source.failure != Failure::none) {
        return unread(source.failure, source.error);
    }
    out.before = std::move(source.bytes);
    out.update = updateTable(out.before, request, library);
    if (out.update.damage) {
        out.result = FirmwareFileUpdate::Result::refused;
        return out;
    }
    if (out.update.unchanged(out.before)) {
        out.result = FirmwareFileUpdate::Result::unchanged;
        return out;
    }
    if (!write) {
        out.result = FirmwareFileUpdate::Result::previewed;
        return out;
    }
    const WriteResult written = writeFile(path, out.update.text, [&]() -> QString {
        if (beforeCommit) {
            if (QString why = beforeCommit(); !why.isEmpty()) {
                return why;
            }
        }
        // An editor may have saved it meanwhile.
        const FileRead now = readFile(path, firmwareSourceByteLimit);
        if (now.missing || !now.error.isEmpty() || now.bytes != out.before) {
            return QStringLiteral("it changed while it was being updated; nothing was written, "
                                  "run the update again");
        }
        return {};
    });
    out.result = written.status == WriteStatus::written   ? FirmwareFileUpdate::Result::written
                 : written.status == WriteStatus::damaged ? FirmwareFileUpdate::Result::damaged
                                                          : FirmwareFileUpdate::Result::failed;
    out.error = written.error;
    return out;
}

} // namespace vorlix
