#pragma once
// The library a front end works on: where it is, the table as last read, its
// encoding, and the damage the user has been told of already. Every change of
// the file goes through it and comes back as a LibraryWrite for the front end
// to word; it decides nothing the user is asked.

#include "library/font_record.h"
#include "library/library_format.h"
#include "library/library_store.h"

#include <QDateTime>
#include <QString>

#include <functional>
#include <optional>

namespace vorlix {

// What reading the library anew found that the user should hear of.
struct LibraryReload {
    QString error;                // the file exists but could not be read: the table is empty
    std::optional<Damage> damage; // damage not reported before (each is reported once)
};

class LibrarySession {
public:
    explicit LibrarySession(LibraryLocation location);

    const LibraryLocation& location() const { return location_; }
    const FontTable& table() const { return table_; }
    TextEncoding encoding() const { return encoding_; }

    // Reads the library anew.
    LibraryReload reload();
    // Whether the file is no longer what was last read: its size or times
    // changed, or it came or went (a save replaces it by a new file). Asked
    // before every use of the table that another program may have changed
    // meanwhile, so that the table is read anew first.
    bool changedOnDisk() const;

    // Saves record under its character (see saveGlyph); a character the file
    // cannot store is refused first (refused, with the reason).
    LibraryWrite save(const FONTREC& record, bool invertColumns,
                      const std::function<bool()>& replaceConfirmed);
    // Deletes record k of the table.
    LibraryWrite remove(std::size_t k);
    // What merging records would do now, without writing.
    LibraryWrite planMerge(const FontTable& records) const;
    // Merges records (see mergeGlyphs).
    LibraryWrite merge(const FontTable& records, MergeRules rules);
    // Rewrites the library in encoding; damage stops it, as it would be lost.
    LibraryWrite convert(TextEncoding encoding);

private:
    struct Stamp {
        bool exists = false;
        qint64 size = 0;
        QDateTime modified;
        QDateTime changed;
        bool operator==(const Stamp&) const = default;
    };
    Stamp stamp() const;

    const LibraryLocation location_;
    FontTable table_;
    TextEncoding encoding_ = TextEncoding::windows1252;
    std::optional<Damage> reportedDamage_;
    Stamp read_;
};

} // namespace vorlix
