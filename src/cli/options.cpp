#include "cli/options.h"

#include "common/utf8.h"
#include "library/character_ranges.h"
#include "table/firmware_request.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <algorithm>
#include <initializer_list>

namespace vorlix::cli {

namespace {

Stop usageError(const QString& what) {
    return {QStringLiteral("%1: %2\nTry '%1 --help' for more information.\n")
                .arg(QCoreApplication::applicationName(), what),
            exitUsage};
}

QString modeName(Mode mode) {
    return mode == Mode::check       ? QStringLiteral("--check")
           : mode == Mode::import    ? QStringLiteral("--import")
           : mode == Mode::font      ? QStringLiteral("--font")
           : mode == Mode::readTable ? QStringLiteral("--read-table")
           : mode == Mode::convert   ? QStringLiteral("--convert")
           : mode == Mode::update    ? QStringLiteral("--update")
           : mode == Mode::table     ? QStringLiteral("a message table")
                                     : QStringLiteral("--render");
}

QString askWords(AskProblem problem, const Request& request) {
    switch (problem) {
    case AskProblem::none:
        break;
    case AskProblem::labelNotIdentifier:
        return QStringLiteral("--label must be an identifier (a letter or _, then letters, "
                              "digits or _), not '%1'")
            .arg(QString::fromStdString(request.table.label));
    case AskProblem::labelReserved:
        return QStringLiteral("--label '%1' is a reserved word of the output's language; choose "
                              "another name")
            .arg(QString::fromStdString(request.table.label));
    case AskProblem::proportionalWithBlank:
        return QStringLiteral("--proportional puts one dark column between characters itself; "
                              "leave out --blank");
    case AskProblem::proportionalFontNotC:
        return QStringLiteral("--font --proportional goes with --format c or arduino, whose "
                              "tables say where each glyph starts");
    case AskProblem::widthsInBin:
        return QStringLiteral("--widths needs a second table, which --format bin cannot hold");
    case AskProblem::addressNotPic:
        return QStringLiteral("--org and --guard go with --format dt or retlw only");
    case AskProblem::prefixNotDt:
        return QStringLiteral("--prefix goes with --format dt only");
    case AskProblem::spaceWidthOutOfRange:
        return QStringLiteral("--space-width is a column count from 1 to 5, not '%1'")
            .arg(request.table.spaceWidth);
    case AskProblem::lineBreakInPrefix:
        return QStringLiteral("the prefix holds a line break, which would split the table's "
                              "lines");
    case AskProblem::lineBreakInMessage:
        return QStringLiteral("the message holds a line break, which would end the table's "
                              "comment line; use one line");
    case AskProblem::emptyMessageGuarded:
        return QStringLiteral("the message is empty: there is no table to guard");
    case AskProblem::emptyMessageInC:
        return QStringLiteral("the message is empty: C has no empty array");
    }
    return {};
}

// The rules of the table itself, asked of the core.
std::optional<Stop> askStop(const Request& request, bool address, bool prefixGiven) {
    if (request.mode != Mode::table && request.mode != Mode::font &&
        request.mode != Mode::readTable && request.mode != Mode::update) {
        return std::nullopt;
    }
    // --update reads as --read-table does, and writes no label either.
    const TableAsk ask{request.mode == Mode::table  ? TableJob::message
                       : request.mode == Mode::font ? TableJob::font
                                                    : TableJob::read,
                       request.format,
                       request.table,
                       request.widths,
                       address,
                       prefixGiven};
    const AskProblem problem = askProblem(ask);
    if (problem == AskProblem::none) {
        return std::nullopt;
    }
    return usageError(askWords(problem, request));
}

} // namespace

std::variant<Request, Stop> parseArguments(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Writes the column table of a message for the 5x8 LED stick, as the "
                       "window's Convert Text does, checks a font library, draws a "
                       "message as the stick shows it, imports a font's glyphs into the "
                       "library, or sends a message or a font to a stick (--send).\n\nExit "
                       "status: 0 success; 1 the content falls short (--strict, --check); 2 "
                       "the command cannot be carried out as given (usage, files, a serial "
                       "port); with --send, 3 the stick refused or cannot take it, 4 no "
                       "answer came."));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();

    const QCommandLineOption library(
        {"l", "library"}, "The font library (default: FONTSDAT.txt beside the program).", "file");
    const QCommandLineOption prefix({"p", "prefix"}, "Put before every column value (default: 0x).",
                                    "prefix");
    const QCommandLineOption blank({"b", "blank"}, "Add a blank column (FF) after each character.");
    const QCommandLineOption output({"o", "output"},
                                    "Write the table to file instead of standard output.", "file");
    const QCommandLineOption format(
        {"f", "format"},
        "dt (default; asm is the same): the window's table; retlw: PIC retlw lines; avr: .db "
        "lines of even length; gas: GNU as .byte lines; c: a C array; arduino: a C array in "
        "PROGMEM; bin: the raw bytes.",
        "format");
    const QCommandLineOption label(
        QStringLiteral("label"),
        "The name of the table or array (default: vorlix_table; vorlix_font for --font); for "
        "--read-table and --update, the label of the table to read.",
        "name");
    const QCommandLineOption org(QStringLiteral("org"),
                                 "For dt and retlw: the address of the table's first entry; fail "
                                 "if the table would cross a 256-word boundary.",
                                 "address");
    const QCommandLineOption guard(QStringLiteral("guard"),
                                   "For dt and retlw: end with lines that stop the assembler if "
                                   "the table crosses a 256-word boundary.");
    const QCommandLineOption strict({"s", "strict"},
                                    "Fail when a character is missing, a column is no byte "
                                    "(&H and 1 or 2 hex digits) or the library is damaged; for "
                                    "--import, when a glyph loses dots to the 5x8 cell (then "
                                    "nothing is written).");
    const QCommandLineOption check({"c", "check"}, "Report what is wrong in the library, by line.");
    const QCommandLineOption render(
        {"r", "render"}, "Draw the message as the stick shows it into a PNG file.", "file");
    const QCommandLineOption invert(
        QStringLiteral("invert"),
        "A lit dot is a 1 bit, as the editor's Invert Bits: a table's bytes are turned for such "
        "a stick; --render reads and --import writes the library so.");
    const QCommandLineOption swap(
        QStringLiteral("swap"),
        "The bottom row is the most significant bit, as the editor's Swap MSB/ LSB: a table's "
        "bytes are turned for such a stick; --render reads and --import writes the library so.");
    const QCommandLineOption round(QStringLiteral("round"),
                                   "For --render: draw the columns on a ring, as the stick spins.");
    const QCommandLineOption import(
        QStringLiteral("import"),
        "Add the glyphs of a font (BDF, PCF, TrueType, OpenType, Type 1) to "
        "the library.",
        "font");
    const QCommandLineOption chars(
        QStringLiteral("chars"),
        "For --import: the code points to take, such as 32-126,160-255 "
        "(default: every printable Windows-1252 character); for "
        "--font, the entries (default: the library's lowest to "
        "highest); for --read-table and --update, the glyphs' characters (default: "
        "those the table's comments name).",
        "ranges");
    const QCommandLineOption baseline(QStringLiteral("baseline"),
                                      "For --import: the row (1 to 8 from the top) that letters "
                                      "without a descender end on (default: the font's own for "
                                      "fonts of 5x8 or less, else 7).",
                                      "row");
    const QCommandLineOption replace(QStringLiteral("replace"),
                                     "For --import and --read-table: replace characters the "
                                     "library holds already (default: keep them).");
    const QCommandLineOption font(QStringLiteral("font"),
                                  "Write a font table: one entry per character, indexed by "
                                  "character code, for firmware that draws text itself.");
    const QCommandLineOption text(QStringLiteral("text"),
                                  "For --font and --read-table: the entries are the characters "
                                  "of this text, in its order (--font adds NAME_index).",
                                  "text");
    const QCommandLineOption missing(QStringLiteral("missing"),
                                     "For --font and --update: give characters the library lacks "
                                     "the glyph of this one (default: dark columns; --update "
                                     "keeps their bytes).",
                                     "char");
    const QCommandLineOption widths(QStringLiteral("widths"),
                                    "For --font: add NAME_width, each glyph's columns from its "
                                    "first lit one to its last.");
    const QCommandLineOption proportional(
        QStringLiteral("proportional"),
        "Only each glyph's lit columns: a message gets one dark column between characters; "
        "a font (c and arduino) a flat table with NAME_offset and NAME_width.");
    const QCommandLineOption spaceWidth(QStringLiteral("space-width"),
                                        "The width of a glyph with no lit column, for "
                                        "--proportional and --widths (1 to 5, default 3).",
                                        "columns");
    const QCommandLineOption reverse(QStringLiteral("reverse"),
                                     "For a stick that spins the other way: columns in the "
                                     "opposite order (each glyph mirrored, a message backwards).");
    const QCommandLineOption readTable(QStringLiteral("read-table"),
                                       "Read the column bytes of a firmware's table (dt, retlw, "
                                       ".db, .byte lines or a C array) into the library.",
                                       "file");
    const QCommandLineOption update(
        QStringLiteral("update"),
        "Rewrite the numbers of the table --label names in a firmware source from the library, "
        "keeping everything else in the file as it is.",
        "file");
    const QCommandLineOption dryRun(QStringLiteral("dry-run"),
                                    "For --update: print what would change as a unified diff, and "
                                    "write nothing.");
    const QCommandLineOption layout(QStringLiteral("layout"),
                                    "For --font with c or arduino: 2d (default), NAME[COUNT][5]; "
                                    "flat, one NAME[COUNT * 5].",
                                    "layout");
    const QCommandLineOption convert(QStringLiteral("convert"),
                                     "Rewrite the library as utf-8 (with its mark) or, when every "
                                     "character fits, as windows-1252; never a damaged one.",
                                     "encoding");
    const QCommandLineOption crop(QStringLiteral("crop"),
                                  "For --import: take a bitmap font larger than 5x8, its glyphs "
                                  "cut at the cell's edges (default: refuse it).");
    const QCommandLineOption send(
        QStringLiteral("send"),
        "Send the message's columns (with --font, a font of --chars) to a stick over this "
        "serial port instead of writing a table, as docs/protocol.md says; succeed only once "
        "the stick has stored it. Give the stick's --invert, --swap and --reverse.",
        "port");
    const QCommandLineOption baud(QStringLiteral("baud"),
                                  "For --send: the serial line's bits a second (default 9600).",
                                  "rate");
    const QCommandLineOption asText(QStringLiteral("as-text"),
                                    "For --send: send the message as text, for firmware that "
                                    "draws it through a font of its own.");
    parser.addOptions({library, prefix,       blank,      output,  format,    label,   org,
                       guard,   strict,       check,      render,  invert,    swap,    round,
                       import,  chars,        baseline,   replace, font,      text,    missing,
                       widths,  proportional, spaceWidth, reverse, readTable, convert, crop,
                       update,  dryRun,       layout,     send,    baud,      asText});
    parser.addPositionalArgument(
        QStringLiteral("message"),
        QStringLiteral("The text to convert or draw, as one argument (not with --check). "
                       "Put -- before a message that starts with a dash."));

    if (!parser.parse(arguments)) {
        return usageError(parser.errorText());
    }
    if (parser.isSet(help) || parser.isSet(QStringLiteral("help-all"))) {
        return Stop{parser.helpText(), exitOk};
    }
    if (parser.isSet(version)) {
        return Stop{QCoreApplication::applicationName() + QLatin1Char(' ') +
                        QCoreApplication::applicationVersion() + QLatin1Char('\n'),
                    exitOk};
    }

    Request request;
    if (parser.isSet(check) + parser.isSet(render) + parser.isSet(import) + parser.isSet(font) +
            parser.isSet(readTable) + parser.isSet(convert) + parser.isSet(update) >
        1) {
        return usageError(QStringLiteral("--check, --render, --import, --font, --read-table, "
                                         "--convert and --update do not go together"));
    }
    request.mode = parser.isSet(check)       ? Mode::check
                   : parser.isSet(render)    ? Mode::render
                   : parser.isSet(import)    ? Mode::import
                   : parser.isSet(font)      ? Mode::font
                   : parser.isSet(readTable) ? Mode::readTable
                   : parser.isSet(convert)   ? Mode::convert
                   : parser.isSet(update)    ? Mode::update
                                             : Mode::table;

    struct Fit {
        const QCommandLineOption& option;
        std::initializer_list<Mode> modes;
    };
    for (const Fit& fit :
         {Fit{prefix, {Mode::table}},
          Fit{blank, {Mode::table, Mode::render, Mode::font, Mode::readTable, Mode::update}},
          Fit{output, {Mode::table, Mode::font}},
          Fit{format, {Mode::table, Mode::font, Mode::readTable, Mode::update}},
          Fit{label, {Mode::table, Mode::font, Mode::readTable, Mode::update}},
          Fit{org, {Mode::table, Mode::font}},
          Fit{guard, {Mode::table, Mode::font}},
          Fit{strict,
              {Mode::table, Mode::render, Mode::import, Mode::font, Mode::readTable, Mode::update}},
          Fit{invert,
              {Mode::table, Mode::render, Mode::import, Mode::font, Mode::readTable, Mode::update}},
          Fit{swap,
              {Mode::table, Mode::render, Mode::import, Mode::font, Mode::readTable, Mode::update}},
          Fit{round, {Mode::render}},
          Fit{chars, {Mode::import, Mode::font, Mode::readTable, Mode::update}},
          Fit{baseline, {Mode::import}},
          Fit{replace, {Mode::import, Mode::readTable}},
          Fit{text, {Mode::font, Mode::readTable, Mode::update}},
          Fit{missing, {Mode::font, Mode::update}},
          Fit{widths, {Mode::font}},
          Fit{proportional, {Mode::table, Mode::font}},
          Fit{spaceWidth, {Mode::table, Mode::font, Mode::update}},
          Fit{reverse, {Mode::table, Mode::render, Mode::font, Mode::readTable, Mode::update}},
          Fit{dryRun, {Mode::update}},
          Fit{layout, {Mode::font}},
          Fit{crop, {Mode::import}}}) {
        if (!parser.isSet(fit.option) || std::ranges::count(fit.modes, request.mode) > 0) {
            continue;
        }
        const QString name = QStringLiteral("--") + fit.option.names().constLast();
        return usageError(request.mode == Mode::table && fit.modes.begin()[0] != Mode::table
                              ? name + QStringLiteral(" needs ") + modeName(fit.modes.begin()[0])
                              : name + QStringLiteral(" does not go with ") +
                                    modeName(request.mode));
    }

    if (parser.isSet(send)) {
        if (request.mode != Mode::table && request.mode != Mode::font) {
            return usageError(QStringLiteral("--send does not go with ") + modeName(request.mode));
        }
        for (const QCommandLineOption* unfit :
             {&output, &format, &label, &org, &guard, &prefix, &widths, &text, &missing}) {
            if (parser.isSet(*unfit)) {
                return usageError(QStringLiteral("--%1 does not go with --send, which sends the "
                                                 "bytes of --format bin")
                                      .arg(unfit->names().constLast()));
            }
        }
        if (request.mode == Mode::font && parser.isSet(proportional)) {
            return usageError(QStringLiteral("--send sends a font of five columns an entry; "
                                             "leave out --proportional"));
        }
        for (const QCommandLineOption* unfit :
             {&font, &blank, &proportional, &spaceWidth, &invert, &swap, &reverse}) {
            if (parser.isSet(asText) && parser.isSet(*unfit)) {
                return usageError(QStringLiteral("--as-text sends the characters, which the "
                                                 "stick draws through its own font; --%1 does "
                                                 "not go with it")
                                      .arg(unfit->names().constLast()));
            }
        }
        request.sendPort = parser.value(send);
        request.asText = parser.isSet(asText);
        request.format = FirmwareFormat::bin;
        if (request.sendPort.isEmpty()) {
            return usageError(QStringLiteral("--send needs a serial port, such as /dev/ttyUSB0"));
        }
    } else if (parser.isSet(baud) || parser.isSet(asText)) {
        return usageError(
            QStringLiteral("--%1 needs --send")
                .arg(parser.isSet(baud) ? QStringLiteral("baud") : QStringLiteral("as-text")));
    }
    if (parser.isSet(baud)) {
        bool ok = false;
        request.baud = parser.value(baud).toInt(&ok);
        if (!ok || request.baud <= 0) {
            return usageError(QStringLiteral("--baud is a rate such as 9600 or 38400, not '%1'")
                                  .arg(parser.value(baud)));
        }
    }

    for (const QCommandLineOption* given :
         {&library, &output, &render, &import, &readTable, &update}) {
        if (parser.isSet(*given) && parser.value(*given).isEmpty()) {
            return usageError(QStringLiteral("--%1 needs a file name, not an empty text")
                                  .arg(given->names().constLast()));
        }
    }
    request.libraryPath = parser.value(library);
    request.table.blank = parser.isSet(blank);
    request.strict = parser.isSet(strict);
    request.outputPath = parser.value(output);
    request.imagePath = parser.value(render);
    request.table.options = {parser.isSet(invert), parser.isSet(swap)};
    request.round = parser.isSet(round);
    if (parser.isSet(prefix)) {
        request.table.prefix = parser.value(prefix).toStdString();
    }
    if (parser.isSet(format)) {
        const QString value = parser.value(format);
        const auto named = firmwareFormatNamed(value.toStdString());
        if (!named) {
            QStringList names;
            for (const std::string_view name : firmwareFormatNames(true)) {
                names << QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()));
            }
            return usageError(QStringLiteral("--format is %1 or %2, not '%3'")
                                  .arg(names.mid(0, names.size() - 1).join(QStringLiteral(", ")),
                                       names.constLast(), value));
        }
        request.format = *named;
        request.formatGiven = true;
    }
    const bool pic =
        request.format == FirmwareFormat::dt || request.format == FirmwareFormat::retlw;
    if (request.mode == Mode::font && !parser.isSet(label)) {
        request.table.label = "vorlix_font";
    }
    if (request.mode == Mode::readTable && !parser.isSet(label)) {
        request.table.label.clear(); // the whole file is the table
    }
    if (request.mode == Mode::update && !parser.isSet(label)) {
        return usageError(QStringLiteral("--update needs --label: the table to rewrite, and "
                                         "nothing else in the file"));
    }
    if (parser.isSet(label)) {
        request.table.label = parser.value(label).toStdString();
        request.table.labelLine = pic;
    }
    if (parser.isSet(org)) {
        bool ok = false;
        const QString text = parser.value(org);
        const bool hex = text.startsWith(QStringLiteral("0x"), Qt::CaseInsensitive);
        const uint address = (hex ? text.mid(2) : text).toUInt(&ok, hex ? 16 : 10);
        if (!ok) {
            return usageError(QStringLiteral("--org takes an address such as 0x100, not '%1'")
                                  .arg(parser.value(org)));
        }
        request.org = address;
    }
    request.table.guard = parser.isSet(guard);

    request.fontPath = parser.value(import);
    request.replace = parser.isSet(replace);
    request.crop = parser.isSet(crop);
    if (parser.isSet(chars)) {
        const auto characters = characterRanges(parser.value(chars).toStdString());
        if (!characters) {
            return usageError(QStringLiteral("--chars takes code points and ranges such as "
                                             "32-126,160-255, not '%1'")
                                  .arg(parser.value(chars)));
        }
        request.characters = *characters;
    }
    if (parser.isSet(baseline)) {
        bool ok = false;
        const int row = parser.value(baseline).toInt(&ok);
        if (!ok || row < 1 || row > 8) {
            return usageError(QStringLiteral("--baseline is a row from 1 to 8, not '%1'")
                                  .arg(parser.value(baseline)));
        }
        request.baselineRow = row;
    }

    request.tablePath = parser.value(request.mode == Mode::update ? update : readTable);
    request.dryRun = parser.isSet(dryRun);
    if (parser.isSet(layout)) {
        const QString value = parser.value(layout);
        if (value != QLatin1String("flat") && value != QLatin1String("2d")) {
            return usageError(QStringLiteral("--layout is flat or 2d, not '%1'").arg(value));
        }
        request.flat = value == QLatin1String("flat");
    }
    if (parser.isSet(convert)) {
        const QString encoding = parser.value(convert).toLower();
        if (encoding != QLatin1String("utf-8") && encoding != QLatin1String("windows-1252")) {
            return usageError(QStringLiteral("--convert takes utf-8 or windows-1252, not '%1'")
                                  .arg(parser.value(convert)));
        }
        request.toUtf8 = encoding == QLatin1String("utf-8");
    }
    request.text = parser.value(text).toStdString();
    request.widths = parser.isSet(widths);
    request.table.proportional = parser.isSet(proportional);
    request.table.reverse = parser.isSet(reverse);
    if (parser.isSet(text) && (parser.isSet(chars) || request.text.empty())) {
        return usageError(request.text.empty()
                              ? QStringLiteral("--text needs at least one character")
                              : QStringLiteral("--text and --chars do not go together"));
    }
    if (parser.isSet(missing)) {
        const auto character = singleCodePoint(parser.value(missing).toStdString());
        if (!character) {
            return usageError(QStringLiteral("--missing takes one character, not '%1'")
                                  .arg(parser.value(missing)));
        }
        request.missing = character;
    }
    if (parser.isSet(spaceWidth)) {
        bool ok = false;
        request.table.spaceWidth = parser.value(spaceWidth).toInt(&ok);
        if (!ok) {
            return usageError(
                QStringLiteral("--space-width is a column count from 1 to 5, not '%1'")
                    .arg(parser.value(spaceWidth)));
        }
    }
    const bool cForm =
        request.format == FirmwareFormat::c || request.format == FirmwareFormat::arduino;
    if (parser.isSet(layout) && (!cForm || request.table.proportional)) {
        return usageError(request.table.proportional
                              ? QStringLiteral("--proportional is flat already; leave out --layout")
                              : QStringLiteral("--layout goes with --format c or arduino"));
    }

    const bool address = parser.isSet(org) || parser.isSet(guard);
    const QStringList messages = parser.positionalArguments();
    if (request.mode != Mode::table && request.mode != Mode::render) {
        if (!messages.isEmpty()) {
            return usageError(modeName(request.mode) + QStringLiteral(" takes no message"));
        }
        if (const auto stop = askStop(request, address, parser.isSet(prefix))) {
            return *stop;
        }
        return request;
    }
    if (messages.size() != 1) {
        return usageError(messages.isEmpty()
                              ? QStringLiteral("no message given")
                              : QStringLiteral("give the message as one argument, in quotes "
                                               "(%1 arguments were given)")
                                    .arg(messages.size()));
    }
    request.table.message = messages.constFirst().toStdString();
    if (const auto stop = askStop(request, address, parser.isSet(prefix))) {
        return *stop;
    }
    if (request.table.message.empty() && request.mode == Mode::render) {
        return usageError(QStringLiteral("the message is empty: there is nothing to draw"));
    }
    if (request.table.message.empty() && !request.sendPort.isEmpty()) {
        return usageError(QStringLiteral("the message is empty: there is nothing to send"));
    }
    return request;
}

} // namespace vorlix::cli
