#pragma once
// What goes to a stick over the serial line (docs/protocol.md): a message's
// columns, a font or a text, each as the payload of its frame.

#include "editor/bit_options.h"
#include "library/font_record.h"
#include "table/firmware_table.h"
#include "table/stick_protocol.h"

#include <optional>
#include <string>
#include <string_view>

namespace vorlix {

struct StickLoad {
    stick::Kind kind = stick::Kind::columns;
    stick::Bytes payload;
    // For columns, how they were encoded, to be checked against the stick's.
    BitOptions options;
    bool reverse = false;
};

// The message's columns as --format bin writes them for the request.
StickLoad columnsLoad(const FirmwareRequest& request, const FontTable& table);

// The text's characters as one-byte codes; empty when one is beyond 255.
std::optional<StickLoad> textLoad(std::string_view utf8);

struct StickFontLoad {
    std::optional<StickLoad> load;
    std::vector<char32_t> filled; // the entries the library had no glyph for: dark
    std::string error;            // when there is no load
};

// The font of the consecutive codes first .. first + count - 1, five columns
// an entry (six with blank), shaped as --font --format bin writes it.
StickFontLoad fontLoad(const FirmwareRequest& request, std::u32string_view codes,
                       const FontTable& table);

} // namespace vorlix
