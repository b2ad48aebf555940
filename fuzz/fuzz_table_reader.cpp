// Any bytes as a firmware source: the table reader names a line of the file
// for what it cannot read, and an update from an empty library changes
// nothing; a font written in any form, with any options, reads back as the
// glyphs it was written from, and updated from them is the same text.

#include "common/utf8.h"
#include "editor/column_text.h"
#include "table/font_table.h"
#include "table/table_reader.h"
#include "table/table_update.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string_view>

using namespace vorlix;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const auto lines = static_cast<int>(std::count(text.begin(), text.end(), '\n'));
    for (const std::string_view label : {std::string_view{}, std::string_view("font")}) {
        const TableBytes read = readTableBytes(text, std::nullopt, label);
        if (read.damage ? read.damage->line < 0 || read.damage->line > lines + 1 ||
                              read.damage->what.empty()
                        : read.bytes.empty()) {
            std::abort();
        }
        if (!label.empty()) {
            TableUpdateRequest request;
            request.label = std::string(label);
            const TableUpdate update = updateTable(text, request, {});
            if (!update.damage && update.text != text) {
                std::abort();
            }
        }
    }
    if (size < 1) {
        return 0;
    }
    // The first byte picks the form and the options; every five after it are a glyph.
    static constexpr FirmwareFormat formats[] = {
        FirmwareFormat::dt,  FirmwareFormat::retlw,   FirmwareFormat::avr, FirmwareFormat::gas,
        FirmwareFormat::c,   FirmwareFormat::arduino, FirmwareFormat::bin};
    const std::uint8_t pick = data[0];
    FirmwareRequest request;
    request.options = {(pick & 8) != 0, (pick & 16) != 0};
    request.blank = (pick & 32) != 0;
    request.reverse = (pick & 64) != 0;
    request.label = "font";
    FontRequest font;
    font.widths = (pick & 128) != 0;
    FontTable glyphs;
    for (std::size_t k = 1; k + 5 <= size && font.characters.size() < 300; k += 5) {
        const char32_t character = 0x100 + static_cast<char32_t>(font.characters.size());
        FONTREC record{toUtf8(std::u32string(1, character)), {}};
        for (int c = 0; c < 5; ++c) {
            record.HEX[c] = hexText(data[k + c]);
        }
        glyphs.push_back(record);
        font.characters += character;
    }
    if (font.characters.empty()) {
        return 0;
    }
    const FirmwareFormat format = formats[pick % 7];
    font.widths = font.widths && format != FirmwareFormat::bin;
    const std::string written = fontTable(format, request, font, glyphs).text;
    const TableBytes read = readTableBytes(
        written, format == FirmwareFormat::bin ? std::optional(format) : std::nullopt, "font");
    if (read.damage || glyphsOfTable(read, font.characters, request.blank, request.options,
                                     request.reverse)
                               .records != glyphs) {
        std::abort();
    }
    if (format != FirmwareFormat::bin) {
        TableUpdateRequest update;
        update.label = "font";
        update.blank = request.blank;
        update.options = request.options;
        update.reverse = request.reverse;
        if (updateTable(written, update, glyphs).text != written) {
            std::abort();
        }
    }
    return 0;
}
