#pragma once
// What a front end may ask of a firmware table, and what is wrong with an
// ask: the forms' names, the rule for a table's name, the words each output
// language keeps for itself, and which choices go together. The command line
// and the window's dialogs both ask here and word the answer their own way.

#include "table/firmware_table.h"

#include <optional>
#include <string_view>
#include <vector>

namespace vorlix {

// Every form's name, in the order the front ends list them, with the other
// names some have ("asm" for dt) when asked.
std::vector<std::string_view> firmwareFormatNames(bool otherNames = false);
std::optional<FirmwareFormat> firmwareFormatNamed(std::string_view name);
std::string_view firmwareFormatName(FirmwareFormat format);

// A letter or _, then letters, digits or _.
bool isIdentifier(std::string_view name);

// Whether name cannot be the table's name in the form's language: a C or C++
// keyword, or a name C fonts are written with (uint8_t, PROGMEM), for c and
// arduino (also Arduino's own types there); an instruction or directive of
// the PIC assembler (in any case) for dt and retlw, or of the AVR assembler
// for avr.
bool isReservedLabel(FirmwareFormat format, std::string_view name);

enum class TableJob {
    message, // a message's columns
    font,    // a whole font (--font, "Export font table...")
    read,    // a firmware's table read back: its name is the file's, so any name goes
};

struct TableAsk {
    TableJob job = TableJob::message;
    FirmwareFormat format = FirmwareFormat::dt;
    FirmwareRequest request;
    bool widths = false;      // a table of glyph widths beside the font
    bool address = false;     // an --org address or a --guard is asked for
    bool prefixGiven = false; // the dt prefix is not the default
};

enum class AskProblem {
    none,
    labelNotIdentifier,
    labelReserved,
    proportionalWithBlank, // proportional puts its own dark column between characters
    proportionalFontNotC,  // only c and arduino fonts say where each glyph starts
    widthsInBin,           // bin holds one table
    addressNotPic,         // --org and --guard are for dt and retlw
    prefixNotDt,
    spaceWidthOutOfRange, // 1 to 5 columns
    lineBreakInPrefix,
    lineBreakInMessage,  // it would end a table's comment line
    emptyMessageGuarded, // there is no table to guard
    emptyMessageInC,     // C has no empty array
};

// The first thing wrong with the ask, in the order above.
AskProblem askProblem(const TableAsk& ask);

} // namespace vorlix
