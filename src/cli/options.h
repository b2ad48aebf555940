#pragma once
// The command line of vorlix-table.

#include "editor/bit_options.h"
#include "table/firmware_table.h"

#include <QString>
#include <QStringList>

#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace vorlix::cli {

// 1: the content falls short (a character missing under --strict, findings of
// --check); 2: the command could not be carried out as given (usage, files,
// a serial port); for --send, 3: the stick refused, or cannot take it (too
// long, other bit options), and 4: no answer came.
enum ExitCode : int {
    exitOk = 0,
    exitContent = 1,
    exitUsage = 2,
    exitRefused = 3,
    exitNoAnswer = 4
};

enum class Mode { table, check, render, import, font, readTable, convert, update };

struct Request {
    Mode mode = Mode::table;
    QString libraryPath; // empty: FONTSDAT.txt beside the program
    // The message, its bytes' form and the stick's wiring, as the core takes
    // them; also how --render reads the bytes, --import writes them and
    // --read-table turns them back (options, blank, reverse).
    FirmwareRequest table;
    bool strict = false;
    FirmwareFormat format = FirmwareFormat::dt;
    bool formatGiven = false;         // --read-table guesses the form without it
    std::optional<unsigned> org;      // the address of the table's first entry, for dt and retlw
    QString outputPath;               // empty: standard output
    QString imagePath;                // the picture, for Mode::render
    QString fontPath;                 // for Mode::import
    std::vector<char32_t> characters; // --chars; empty: every printable Windows-1252 character
                                      // (--import), the library's span (--font)
    std::optional<int> baselineRow;
    bool replace = false;
    bool crop = false;
    bool round = false;
    // Font tables (--font) and reading them back (--read-table).
    std::string text;                // --text: the entries' characters, UTF-8
    std::optional<char32_t> missing; // --missing
    bool widths = false;
    QString tablePath;   // for Mode::readTable and Mode::update
    bool dryRun = false; // for Mode::update: print the diff, write nothing
    bool flat = false;   // --layout flat, for --font
    bool toUtf8 = true;  // for Mode::convert: else to Windows-1252
    // --send: the message's columns (Mode::table), a font (Mode::font) or,
    // asText, the message as a text go to the stick on this serial port.
    QString sendPort;
    int baud = 9600;
    bool asText = false;
};

// Help, the version or a usage error: the text to print before exiting, on
// standard output for exitOk and standard error otherwise.
struct Stop {
    QString text;
    int exitCode = exitOk;
};

// arguments[0] is the program.
std::variant<Request, Stop> parseArguments(const QStringList& arguments);

} // namespace vorlix::cli
