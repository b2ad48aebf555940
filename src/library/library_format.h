#pragma once
// FONTSDAT.txt: one record per line, six double-quoted fields (the character,
// then HEX1 to HEX5) separated by single commas, CR LF after every line, the
// last included. Nothing inside a field is escaped. Bytes are Windows-1252,
// unless the file starts with the UTF-8 mark (EF BB BF): then it is UTF-8,
// and stays so with its mark when written back.
//
// Reading is lenient with forms the tool never writes, so that hand-edited
// libraries still load:
//  - blanks (spaces, tabs) around fields are ignored;
//  - an unquoted field runs to the next comma or line end, outer blanks dropped;
//  - LF and lone CR end lines as CR LF does;
//  - empty lines between fields and records are skipped;
//  - a line end ends a field like a comma does, so a record may span lines.
// Reading stops at the first damage (a quote left open, text after a closing
// quote, a stray quote, a control byte, more than six fields on a line, a
// file ending before a record's sixth field, or, in a UTF-8 file, bytes that
// are not UTF-8) and keeps every whole record before it.

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

enum class TextEncoding { windows1252, utf8WithMark };

struct ParsedLibrary {
    FontTable records;
    std::vector<int> lines; // 1-based line each record starts on, parallel to records
    std::optional<Damage> damage;
    TextEncoding encoding = TextEncoding::windows1252;
};

ParsedLibrary parseLibrary(std::string_view bytes);

// The line of the first multi-byte UTF-8 sequence in a file without the mark,
// when every byte above 0x7F belongs to one: a sign of a file saved as UTF-8.
std::optional<int> firstUtf8Line(std::string_view bytes);

// Why a text cannot be stored as a new field, or nothing when it can: the
// format has no escape for a double quote, a control character (tab, line
// breaks, C0, DEL, C1) would not read back as it was, and a Windows-1252 file
// holds nothing outside that code page.
// Why '"' is never in the library: said wherever it is missed.
inline constexpr std::string_view quoteNeverStored =
    "'\"' (U+0022) is never in the library: its file quotes each field and has no escape for "
    "a quote";

std::optional<std::string> fieldProblem(std::string_view text,
                                        TextEncoding encoding = TextEncoding::windows1252);

// The record as one line of the file, CR LF included; empty when a field
// could not be read back (a double quote, a control byte other than tab and
// line breaks, a character outside the encoding). Records read from a file
// always write back.
std::optional<std::string> recordLine(const FONTREC& record,
                                      TextEncoding encoding = TextEncoding::windows1252);

// The whole file for a table, with the UTF-8 mark where the encoding has one;
// empty when a field cannot be written.
std::optional<std::string> libraryBytes(const FontTable& table,
                                        TextEncoding encoding = TextEncoding::windows1252);

// The fonts list's line for a record: "A    =  &H7E,  &H11,  &H11,   &H11,  &H7E".
std::string listLine(const FONTREC& record);

// The first record whose CHAR equals ch exactly (case-sensitive, untrimmed),
// or a record of six empty texts.
FONTREC GETFONT(const FontTable& table, std::string_view ch);

// Index of the first record whose CHAR equals ch exactly.
std::optional<std::size_t> findRecord(const FontTable& table, std::string_view ch);

} // namespace vorlix
