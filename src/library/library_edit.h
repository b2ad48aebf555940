#pragma once
// The new bytes of the library file for an edit, computed from the bytes the
// file holds at the moment of writing, so that lines another program added
// are kept.

#include "library/font_record.h"
#include "library/library_format.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace vorlix {

// The record a save appends: with invertColumns the five columns are stored
// in reverse order (the middle one stays in the middle).
FONTREC recordToAppend(const std::string& ch, const std::array<std::string, 5>& columns,
                       bool invertColumns);

struct Rewrite {
    std::string bytes;
    std::optional<Damage> dropped; // unreadable content of the old file left out
};

// Both return empty when a field cannot be written.

// The file with records appended as its last lines, in its own encoding. A
// last line that lacks its line end is ended first, so a new record never
// fuses with it. A file with unreadable content is rewritten from what could
// be read instead, since a line behind the damage would never load. parsed
// is parseLibrary(fileBytes).
std::optional<Rewrite> appendedBytes(std::string_view fileBytes, ParsedLibrary parsed,
                                     const FontTable& records);

// The whole file written anew from parsed's records, as edited by the caller.
std::optional<Rewrite> rewrittenBytes(ParsedLibrary parsed);

} // namespace vorlix
