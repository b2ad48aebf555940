#pragma once
// The library a front end works on: where it is, the table as last read, its
// encoding, and the damage the user has been told of already. Every change of
// the file goes through it and comes back as a LibraryWrite whose words the
// front end shows as they are (nothing when they are empty); it decides
// nothing itself.

#include "library/font_record.h"
#include "library/library_format.h"
#include "library/library_store.h"

#include <QString>

#include <functional>
#include <optional>

namespace vorlix {

class LibrarySession {
public:
    explicit LibrarySession(LibraryLocation location);

    const LibraryLocation& location() const { return location_; }
    const FontTable& table() const { return table_; }
    TextEncoding encoding() const { return encoding_; }

    // What the fonts list says of the file it shows.
    QString description() const;

    // Reads the library anew. The words are a warning: the file could not be
    // read, or holds damage that was not reported before (each damage once).
    QString reload();

    // Saves record under its character (see saveGlyph); a character the file
    // cannot store is refused first.
    LibraryWrite save(const FONTREC& record, bool invertColumns,
                      const std::function<bool()>& replaceConfirmed);
    // Deletes record k of the table.
    LibraryWrite remove(std::size_t k);

    // What merging records would do now; words only when that cannot be told.
    LibraryWrite planMerge(const QString& source, const FontTable& records) const;
    // Merges the records read from source (see mergeGlyphs); missing counts
    // the characters source has no glyph for, when it says.
    LibraryWrite merge(const QString& source, const FontTable& records, bool replaceExisting,
                       std::optional<std::size_t> missing = {});
    // Words for a source that could not be read, so nothing was imported.
    QString notImported(const QString& source, const QString& why) const;

private:
    QString failedWords(const QString& what, const LibraryWrite& write) const;

    const LibraryLocation location_;
    FontTable table_;
    TextEncoding encoding_ = TextEncoding::windows1252;
    std::optional<Damage> reportedDamage_;
};

} // namespace vorlix
