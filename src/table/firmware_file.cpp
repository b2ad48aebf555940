#include "table/firmware_file.h"

#include "table/table_file.h"

namespace vorlix {

FirmwareFileUpdate updateFirmwareFile(const QString& path, const TableUpdateRequest& request,
                                      const FontTable& library, bool write,
                                      const BeforeCommit& beforeCommit) {
    FirmwareFileUpdate out;
    // A stream reached through a link (/dev/stdout) would be appended to, not replaced.
    FirmwareSource source = isPlainFile(path)
                                ? readFirmwareSource(path)
                                : FirmwareSource{TableFileRead::Failure::notPlain, {}, {}};
    using Failure = TableFileRead::Failure;
    if (source.failure != Failure::none) {
        out.error = source.failure == Failure::missing ? QStringLiteral("there is no such file")
                    : source.failure == Failure::notPlain
                        ? QStringLiteral("it is not a regular file (a folder, a device, a pipe or "
                                         "an open stream), so it is not updated")
                        : source.error;
        return out;
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
