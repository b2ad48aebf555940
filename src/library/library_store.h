#pragma once
// FONTSDAT.txt on disk. Every write goes to a temporary file in the same
// folder that is renamed over the old one, so a crash, a full disk or a write
// error leaves the old library whole.

#include "library/font_record.h"
#include "library/library_format.h"

#include <QString>

#include <functional>
#include <string>

namespace vorlix {

// The library file beside the running program.
QString libraryPathBeside(const QString& programFolder);

struct LibraryLoad {
    ParsedLibrary parsed;
    QString error; // the file exists but could not be read
};

// A missing file is an empty library, not an error.
LibraryLoad loadLibrary(const QString& path);

struct SaveOutcome {
    QString error;      // empty on success; the file is then as before
    QString backupPath; // set when unreadable content was moved out of the library
    Damage dropped;     // what was unreadable, when backupPath is set
};

// Saves record under its character, deciding on the file as it is now, so
// that what another program changed since start-up is kept. A character the
// file holds already is replaced in place (columns as given) once
// replaceConfirmed says yes; declined, nothing is written. A new character is
// appended, its columns reversed with invertColumns.
SaveOutcome saveGlyph(const QString& path, const FONTREC& record, bool invertColumns,
                      const std::function<bool()>& replaceConfirmed);

} // namespace vorlix
