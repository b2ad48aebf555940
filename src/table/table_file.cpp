#include "table/table_file.h"

#include "common/file_io.h"

#include <QFileInfo>

namespace vorlix {

FirmwareSource readFirmwareSource(const QString& path, bool streams) {
    using Failure = TableFileRead::Failure;
    const QFileInfo info(path);
    if (!info.exists()) {
        return {Failure::missing, {}, {}};
    }
    if (info.isDir() || (!streams && !info.isFile())) {
        return {Failure::notPlain, {}, {}};
    }
    FileRead file = readFile(path, firmwareSourceByteLimit);
    if (file.missing) {
        return {Failure::missing, {}, {}};
    }
    if (!file.error.isEmpty()) {
        return {Failure::unreadable, file.error, {}};
    }
    return {Failure::none, {}, std::move(file.bytes)};
}

TableFileRead tableGlyphs(const std::string& source, const TableReadRequest& request) {
    TableFileRead read;
    const TableBytes bytes = readTableBytes(source, request.format, request.label);
    if (bytes.damage) {
        read.failure = TableFileRead::Failure::notTable;
        read.damage = bytes.damage;
        return read;
    }
    TableGlyphs glyphs =
        glyphsOfTable(bytes, request.characters, request.blank, request.options, request.reverse);
    if (!glyphs.error.empty()) {
        read.failure = TableFileRead::Failure::notGlyphs;
        read.glyphError = std::move(glyphs.error);
        read.labelWouldHelp = glyphs.labelWouldHelp;
        return read;
    }
    read.records = std::move(glyphs.records);
    return read;
}

TableFileRead readTableFile(const QString& path, const TableReadRequest& request, bool streams) {
    const FirmwareSource source = readFirmwareSource(path, streams);
    if (source.failure != TableFileRead::Failure::none) {
        TableFileRead read;
        read.failure = source.failure;
        read.error = source.error;
        return read;
    }
    return tableGlyphs(source.bytes, request);
}

} // namespace vorlix
