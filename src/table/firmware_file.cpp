#include "table/firmware_file.h"

#include "library/library_store.h"

#include <QFileInfo>

namespace vorlix {

FirmwareFileUpdate updateFirmwareFile(const QString& path, const TableUpdateRequest& request,
                                      const FontTable& library, bool write,
                                      const BeforeCommit& beforeCommit) {
    FirmwareFileUpdate out;
    // Checked before reading: a pipe would wait for a writer, and give its bytes once.
    if (!QFileInfo(path).isFile() || !isPlainFile(path)) {
        out.error = QFileInfo::exists(path)
                        ? QStringLiteral("it is not a regular file (a device, a pipe or an open "
                                         "stream), so it is not updated")
                        : QStringLiteral("there is no such file");
        return out;
    }
    FileRead file = readFile(path, libraryByteLimit);
    if (!file.error.isEmpty() || file.missing) {
        out.error = file.missing ? QStringLiteral("there is no such file") : file.error;
        return out;
    }
    out.before = std::move(file.bytes);
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
        const FileRead now = readFile(path, libraryByteLimit);
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
