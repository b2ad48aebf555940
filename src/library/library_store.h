#pragma once
// FONTSDAT.txt on disk. Every save reads, decides and writes under a lock
// beside the library, and replaces the file only if it still holds what was
// read, so two windows, or an editor, never lose each other's glyphs.

#include "library/font_record.h"
#include "library/library_format.h"

#include <QString>

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace vorlix {

// The library file beside the running program.
QString libraryPathBeside(const QString& programFolder);

// Where a program keeps its library.
struct LibraryLocation {
    LibraryLocation(QString path = {}, QString seed = {}) // NOLINT: a path is a location
        : path(std::move(path)), seed(std::move(seed)) {}

    QString path; // the library, read and written by every save
    // A library that is shown, read-only, while path does not exist yet, and
    // that the first save starts the new file from (an installed starter).
    QString seed;

    // Whether the seed is what is shown now, and the file that is read.
    bool showsSeed() const;
    QString readPath() const { return showsSeed() ? seed : path; }
};

// The library: the one given; else FONTSDAT.txt beside the program when
// that exists, or when the program's folder may be written and is no
// installed one (no ../share/vorlix beside it: a portable copy, or a build);
// else FONTSDAT.txt in
// userFolder, seeded from the starter library installed in
// programFolder/../share/vorlix/starter (apart from the per-user
// folder, which for a prefix of ~/.local is share/vorlix itself: a reinstall
// must never overwrite the user's library).
LibraryLocation locateLibrary(const QString& given, const QString& programFolder,
                              const QString& userFolder);

// The folder of the per-user library: the user's data folder (normally
// ~/.local/share) and vorlix, for the window and vorlix-table alike.
QString userLibraryFolder();

// Far above any real font; a larger source (or one that never ends, such as
// /dev/zero) is refused rather than read.
constexpr qint64 libraryByteLimit = 256 * 1024 * 1024;

struct LibraryLoad {
    ParsedLibrary parsed;
    QString error; // the file exists but could not be read
};

// A missing file is an empty library, not an error.
// The seed while the library itself does not exist yet.
LibraryLoad loadLibrary(const LibraryLocation& location);

// What a write of the library did: a save, a delete or a merge alike.
struct LibraryWrite {
    enum class Result {
        unchanged, // nothing to write (or, from planMerge, nothing written)
        written,
        declined, // the user said no to the question: nothing written
        failed,   // error says why; every file is as it was
        damaged,  // a write in place failed half-way (see WriteStatus::damaged)
        refused,  // the record holds a character the file cannot store: nothing written
        // The library holds damage (dropped says where) that the write would
        // have to leave out, and it was asked to lose nothing: nothing written.
        damagedLibrary,
    };
    Result result = Result::unchanged;
    QString error; // why, when failed or damaged

    // What a merge wrote, or would write.
    int added = 0;
    int replaced = 0;
    int kept = 0;
    std::vector<std::string> refused; // characters the file cannot store; never written

    // The old file, kept when unreadable content was left out of the new
    // one (dropped says what; its line is 0 when nothing was), or when a
    // merge replaced glyphs.
    QString backupPath;
    Damage dropped;

    // Nothing went wrong: written, unchanged or declined.
    bool ok() const {
        return result == Result::unchanged || result == Result::written ||
               result == Result::declined;
    }
};

// Saves record under its character, deciding on the file as it is at the
// moment of writing. A character the file holds already is replaced in place
// (columns as given) once replaceConfirmed says yes; the question is asked
// with nothing read held back, and asked again should the character appear
// while saving. A new character is appended, its columns reversed with
// invertColumns. A record the file cannot store is refused before anything
// is written. While the library does not exist, its seed is what is edited,
// and the library is created (with its folder) from it.
LibraryWrite saveGlyph(const LibraryLocation& library, const FONTREC& record, bool invertColumns,
                       const std::function<bool()>& replaceConfirmed);

// Adds every record whose character the library lacks, in one write under
// the same rules as a save; a character stored already is replaced in place
// with replaceExisting, else kept. A missing library is created, as UTF-8
// when a character needs it. Time is linear in the records of both. A record
// the file cannot store is left out (refused names it), or stops the merge
// before anything is written with refuseUnstorable; damage in the library
// stops it with refuseDamage (damagedLibrary), else the library is written
// anew from what could be read, the old file kept as a backup.
struct MergeRules {
    bool replaceExisting = false;
    bool refuseUnstorable = false; // a record the file cannot store stops the merge
    bool refuseDamage = false;     // so does damage in the library, which a rewrite would lose
};
LibraryWrite mergeGlyphs(const LibraryLocation& library, const FontTable& records,
                         MergeRules rules);

// Rewrites the library in the encoding (UTF-8 with its mark, or
// Windows-1252 when every character fits), under the same rules as a save:
// unchanged when the file is in that encoding already, or empty; failed,
// with refused, when the encoding cannot hold every character;
// damagedLibrary when the file holds damage, which the rewrite would lose.
LibraryWrite convertLibrary(const LibraryLocation& library, TextEncoding encoding);

// "added 3, replaced 0, kept 2, not in the font 1, refused 1": what a merge
// did, the characters its source lacks told when missing is given.
std::string mergeCounts(const LibraryWrite& merged, std::optional<std::size_t> missing = {});

// What mergeGlyphs would do to the library as it is now, without writing:
// the counts, or the error of reading it.
LibraryWrite planMerge(const LibraryLocation& library, const FontTable& records,
                       bool replaceExisting);

// Removes record from the library, with the safety of a replace: the one at
// hint (its place when the file was last read) if it is still there, else
// the first record equal to it; an error when there is none any more.
LibraryWrite deleteGlyph(const LibraryLocation& library, const FONTREC& record, std::size_t hint);

} // namespace vorlix
