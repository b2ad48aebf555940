#pragma once
// Reading a firmware's table from its source file into glyphs: the one way
// the command line and the window do it.

#include "table/table_reader.h"

#include <QString>

#include <optional>
#include <string>

namespace vorlix {

// A firmware source is kilobytes; a path to anything larger (a disk image,
// a log) is a mistake, and reading it would only keep the user waiting.
constexpr qint64 firmwareSourceByteLimit = 4 * 1024 * 1024;

struct TableFileRead {
    enum class Failure {
        none,
        missing,    // there is no such file
        notPlain,   // a folder, a pipe or a device: not opened, since it may never end
        unreadable, // error says why (too large, no permission...)
        notTable,   // damage says where and what
        notGlyphs,  // the bytes do not make the characters' glyphs: glyphError says why
    };
    Failure failure = Failure::none;
    QString error;
    std::optional<Damage> damage;
    std::string glyphError;
    bool labelWouldHelp = false; // notGlyphs without a label: the file may hold more than the table
    FontTable records;

    bool ok() const { return failure == Failure::none; }
};

// The source's bytes; only failure, error and (on success) bytes are set.
// A path that is no regular file is refused unopened unless streams is set
// (the command line, whose user may pipe a table in and waits on it).
struct FirmwareSource {
    TableFileRead::Failure failure = TableFileRead::Failure::none;
    QString error;
    std::string bytes;
};
FirmwareSource readFirmwareSource(const QString& path, bool streams = false);

// The glyphs of the table in a source's bytes.
TableFileRead tableGlyphs(const std::string& source, const TableReadRequest& request);

// Both steps.
TableFileRead readTableFile(const QString& path, const TableReadRequest& request,
                            bool streams = false);

} // namespace vorlix
