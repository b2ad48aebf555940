#include "library/library_session.h"

#include <QFileInfo>

namespace vorlix {

LibrarySession::LibrarySession(LibraryLocation location) : location_(std::move(location)) {}

LibrarySession::Stamp LibrarySession::stamp() const {
    const QFileInfo info(location_.readPath());
    if (!info.exists()) {
        return {};
    }
    return {true, info.size(), info.lastModified(), info.metadataChangeTime()};
}

LibraryReload LibrarySession::reload() {
    read_ = stamp(); // before reading: a change while reading is seen next time
    LibraryLoad load = loadLibrary(location_);
    table_ = std::move(load.parsed.records);
    encoding_ = load.parsed.encoding;
    LibraryReload reloaded;
    if (!load.error.isEmpty()) {
        reloaded.error = load.error;
        return reloaded;
    }
    if (load.parsed.damage != reportedDamage_) {
        reportedDamage_ = load.parsed.damage;
        reloaded.damage = reportedDamage_;
    }
    return reloaded;
}

bool LibrarySession::changedOnDisk() const {
    return stamp() != read_;
}

LibraryWrite LibrarySession::save(const FONTREC& record, bool invertColumns,
                                  const std::function<bool()>& replaceConfirmed) {
    if (const auto problem = fieldProblem(record.CHAR, encoding_)) {
        LibraryWrite refused;
        refused.result = LibraryWrite::Result::refused;
        refused.error = QString::fromStdString(*problem);
        return refused;
    }
    return saveGlyph(location_, record, invertColumns, replaceConfirmed);
}

LibraryWrite LibrarySession::remove(std::size_t k) {
    return deleteGlyph(location_, table_[k], k);
}

LibraryWrite LibrarySession::planMerge(const FontTable& records) const {
    return vorlix::planMerge(location_, records, true);
}

LibraryWrite LibrarySession::merge(const FontTable& records, MergeRules rules) {
    return mergeGlyphs(location_, records, rules);
}

LibraryWrite LibrarySession::convert(TextEncoding encoding) {
    return convertLibrary(location_, encoding);
}

} // namespace vorlix
