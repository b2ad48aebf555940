#pragma once
// The new bytes of the library file for a save, computed from the bytes the
// file holds at the moment of saving, so that lines another program added
// since start-up are kept.

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

// Both edits take the file's bytes already parsed; they return empty when a
// field cannot be stored.

// The file with record appended as its last line. A last line that lacks its
// line end is ended first, so the new record never fuses with it. A file with
// unreadable content is rewritten from what could be read instead, since a
// line behind the damage would never load. parsed is parseLibrary(fileBytes).
std::optional<Rewrite> appendedBytes(std::string_view fileBytes, ParsedLibrary parsed,
                                     const FONTREC& record);

// The whole file rewritten from parsed with record k replaced in place.
std::optional<Rewrite> replacedBytes(ParsedLibrary parsed, std::size_t k, const FONTREC& record);

} // namespace vorlix
