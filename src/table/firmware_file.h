#pragma once
// A firmware source on disk, its table refreshed from the library (see
// table_update.h). Nothing is lost: the file is replaced in one step (a
// temporary file renamed over it, its mode kept) and only if it still holds
// what was read; a failure leaves it byte-identical and says why; a path
// that is no regular file is refused. Updates of one file take turns, under
// the lock the library's writers take (FILE.lock beside it while one runs).
// An update that changes nothing writes nothing, so the file keeps its time.

#include "common/file_io.h"
#include "table/table_update.h"

#include <QString>

#include <string>

namespace vorlix {

struct FirmwareFileUpdate {
    enum class Result {
        unchanged, // nothing to change; nothing written
        previewed, // changes found, not written (asked not to)
        written,
        refused, // update.damage says why the table cannot be updated; nothing written
        failed,  // error says why; the file is as it was
        damaged, // a write in place failed half-way (see WriteStatus::damaged)
    };
    Result result = Result::failed;
    QString error;
    std::string before; // the file as read
    TableUpdate update;
};

// Reads path, updates its table and, when write and something changed,
// replaces the file. beforeCommit runs when the new bytes are ready, before
// the check that the file is unchanged; an error it returns stops the write.
FirmwareFileUpdate updateFirmwareFile(const QString& path, const TableUpdateRequest& request,
                                      const FontTable& library, bool write,
                                      const BeforeCommit& beforeCommit = {});

} // namespace vorlix
