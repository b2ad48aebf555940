#pragma once
// FONTSDAT.txt: one record per line, six double-quoted fields (the character,
// then HEX1 to HEX5) separated by single commas, CR LF after every line, the
// last included. Nothing inside a field is escaped. Bytes are Windows-1252.
//
// Reading is lenient with forms the tool never writes, so that hand-edited
// libraries still load:
//  - blanks (spaces, tabs) around fields are ignored;
//  - an unquoted field runs to the next comma or line end, outer blanks dropped;
//  - LF and lone CR end lines as CR LF does;
//  - empty lines between fields and records are skipped;
//  - a line end ends a field like a comma does, so a record may span lines.
// Reading stops at the first damage (a quote left open, text after a closing
// quote, a stray quote, a control byte, more than six fields on a line, or a
// file ending inside a record) and keeps every whole record before it.

#include "library/font_record.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vorlix {

struct Damage {
    int line = 0; // 1-based line of the file where reading stopped
    std::string what;

    bool operator==(const Damage&) const = default;
};

struct ParsedLibrary {
    FontTable records;
    std::vector<int> lines; // 1-based line each record starts on, parallel to records
    std::optional<Damage> damage;
};

ParsedLibrary parseLibrary(std::string_view bytes);

// Why a text cannot be stored as a field, or nothing when it can: the format
// has no escape for a double quote, and the file holds only Windows-1252.
std::optional<std::string> fieldProblem(std::string_view text);

// The record as one line of the file, CR LF included; empty when a field
// cannot be stored (see fieldProblem).
std::optional<std::string> recordLine(const FONTREC& record);

// The whole file for a table; empty when a field cannot be stored.
std::optional<std::string> libraryBytes(const FontTable& table);

// The fonts list's line for a record: "A    =  &H7E,  &H11,  &H11,   &H11,  &H7E".
std::string listLine(const FONTREC& record);

// The first record whose CHAR equals ch exactly (case-sensitive, untrimmed),
// or a record of six empty texts.
FONTREC GETFONT(const FontTable& table, std::string_view ch);

// Index of the first record whose CHAR equals ch exactly.
std::optional<std::size_t> findRecord(const FontTable& table, std::string_view ch);

} // namespace vorlix
