#include "cli/options.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QRegularExpression>

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
    return mode == Mode::check    ? QStringLiteral("--check")
           : mode == Mode::import ? QStringLiteral("--import")
                                  : QStringLiteral("--render");
}

// "32-126,160-255": code points or ranges of them, decimal or 0x hex.
std::optional<std::vector<char32_t>> characterRanges(const QString& text) {
    const auto number = [](const QString& part) -> std::optional<char32_t> {
        bool ok = false;
        const uint value = part.trimmed().startsWith(QStringLiteral("0x"), Qt::CaseInsensitive)
                               ? part.trimmed().mid(2).toUInt(&ok, 16)
                               : part.trimmed().toUInt(&ok, 10);
        const bool surrogate = value >= 0xD800 && value <= 0xDFFF; // no character
        return ok && value <= 0x10FFFF && !surrogate ? std::optional<char32_t>(value)
                                                     : std::nullopt;
    };
    std::vector<char32_t> characters;
    for (const QString& item : text.split(QLatin1Char(','))) {
        const QStringList ends = item.split(QLatin1Char('-'));
        const auto first = number(ends.constFirst());
        const auto last = number(ends.constLast());
        if (ends.size() > 2 || !first || !last || *first > *last) {
            return std::nullopt;
        }
        for (char32_t c = *first; c <= *last; ++c) {
            characters.push_back(c);
        }
    }
    return characters;
}

} // namespace

std::variant<Request, Stop> parseArguments(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Writes the column table of a message for the 5x8 LED stick, as the "
                       "window's Convert Text does, checks a font library, draws a "
                       "message as the stick shows it, or imports a font's glyphs into the "
                       "library."));
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
        QStringLiteral("label"), "The name of the table or array (default: vorlix_table).", "name");
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
    const QCommandLineOption import(QStringLiteral("import"),
                                    "Add the glyphs of a font (BDF, PCF, TrueType, OpenType, Type 1) to "
                                    "the library.",
                                    "font");
    const QCommandLineOption chars(QStringLiteral("chars"),
                                   "For --import: the code points to take, such as 32-126,160-255 "
                                   "(default: every printable Windows-1252 character).",
                                   "ranges");
    const QCommandLineOption baseline(QStringLiteral("baseline"),
                                      "For --import: the row (1 to 8 from the top) that letters "
                                      "without a descender end on (default: the font's own for "
                                      "fonts of 5x8 or less, else 7).",
                                      "row");
    const QCommandLineOption replace(QStringLiteral("replace"),
                                     "For --import: replace characters the library holds already "
                                     "(default: keep them).");
    const QCommandLineOption crop(QStringLiteral("crop"),
                                  "For --import: take a bitmap font larger than 5x8, its glyphs "
                                  "cut at the cell's edges (default: refuse it).");
    parser.addOptions({library, prefix, blank, output, format, label, org, guard, strict, check,
                       render, invert, swap, round, import, chars, baseline, replace, crop});
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
    if (parser.isSet(check) + parser.isSet(render) + parser.isSet(import) > 1) {
        return usageError(QStringLiteral("--check, --render and --import do not go together"));
    }
    request.mode = parser.isSet(check)    ? Mode::check
                   : parser.isSet(render) ? Mode::render
                   : parser.isSet(import) ? Mode::import
                                          : Mode::table;

    struct Fit {
        const QCommandLineOption& option;
        std::initializer_list<Mode> modes;
    };
    for (const Fit& fit :
         {Fit{prefix, {Mode::table}}, Fit{blank, {Mode::table, Mode::render}},
          Fit{output, {Mode::table}}, Fit{format, {Mode::table}}, Fit{label, {Mode::table}},
          Fit{org, {Mode::table}}, Fit{guard, {Mode::table}},
          Fit{strict, {Mode::table, Mode::render, Mode::import}},
          Fit{invert, {Mode::table, Mode::render, Mode::import}},
          Fit{swap, {Mode::table, Mode::render, Mode::import}}, Fit{round, {Mode::render}},
          Fit{chars, {Mode::import}}, Fit{baseline, {Mode::import}}, Fit{replace, {Mode::import}},
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

    for (const QCommandLineOption* given : {&library, &output, &render, &import}) {
        if (parser.isSet(*given) && parser.value(*given).isEmpty()) {
            return usageError(QStringLiteral("--%1 needs a file name, not an empty text")
                                  .arg(given->names().constLast()));
        }
    }
    request.libraryPath = parser.value(library);
    request.blank = parser.isSet(blank);
    request.strict = parser.isSet(strict);
    request.outputPath = parser.value(output);
    request.imagePath = parser.value(render);
    request.options = {parser.isSet(invert), parser.isSet(swap)};
    request.round = parser.isSet(round);
    if (parser.isSet(prefix)) {
        request.prefix = parser.value(prefix).toStdString();
        if (request.prefix.find_first_of("\r\n") != std::string::npos) {
            return usageError(QStringLiteral("the prefix holds a line break, which would split "
                                             "the table's lines"));
        }
    }
    if (parser.isSet(format)) {
        static const std::pair<const char*, FirmwareFormat> formats[] = {
            {"dt", FirmwareFormat::dt},           {"asm", FirmwareFormat::dt},
            {"retlw", FirmwareFormat::retlw},     {"avr", FirmwareFormat::avr},
            {"gas", FirmwareFormat::gas},         {"c", FirmwareFormat::c},
            {"arduino", FirmwareFormat::arduino}, {"bin", FirmwareFormat::bin}};
        const QString value = parser.value(format);
        const auto* found = std::ranges::find_if(
            formats, [&](const auto& known) { return value == QLatin1String(known.first); });
        if (found == std::end(formats)) {
            return usageError(QStringLiteral("--format is dt, asm, retlw, avr, gas, c, arduino or "
                                             "bin, not '%1'")
                                  .arg(value));
        }
        request.format = found->second;
    }
    const bool pic =
        request.format == FirmwareFormat::dt || request.format == FirmwareFormat::retlw;
    if (parser.isSet(prefix) && request.format != FirmwareFormat::dt) {
        return usageError(QStringLiteral("--prefix goes with --format dt only"));
    }
    if ((parser.isSet(org) || parser.isSet(guard)) && !pic) {
        return usageError(QStringLiteral("--org and --guard go with --format dt or retlw only"));
    }
    if (parser.isSet(label)) {
        static const QRegularExpression identifier(QStringLiteral("^[A-Za-z_][A-Za-z0-9_]*$"));
        if (!identifier.match(parser.value(label)).hasMatch()) {
            return usageError(QStringLiteral("--label must be an identifier (a letter or _, "
                                             "then letters, digits or _), not '%1'")
                                  .arg(parser.value(label)));
        }
        request.label = parser.value(label).toStdString();
        if (isReservedLabel(request.format, request.label)) {
            return usageError(QStringLiteral("--label '%1' is a reserved word of the output's "
                                             "language; choose another name")
                                  .arg(parser.value(label)));
        }
        request.labelLine = pic;
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
    request.guard = parser.isSet(guard);

    request.fontPath = parser.value(import);
    request.replace = parser.isSet(replace);
    request.crop = parser.isSet(crop);
    if (parser.isSet(chars)) {
        const auto characters = characterRanges(parser.value(chars));
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

    const QStringList messages = parser.positionalArguments();
    if (request.mode == Mode::check || request.mode == Mode::import) {
        if (!messages.isEmpty()) {
            return usageError(modeName(request.mode) + QStringLiteral(" takes no message"));
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
    request.message = messages.constFirst().toStdString();
    // A line break would end the table's comment line and leave the rest of the
    // message to the assembler as code.
    if (request.mode == Mode::table && request.format != FirmwareFormat::bin &&
        request.message.find_first_of("\r\n") != std::string::npos) {
        return usageError(QStringLiteral("the message holds a line break, which would end the "
                                         "table's comment line; use one line"));
    }
    const bool cArray =
        request.format == FirmwareFormat::c || request.format == FirmwareFormat::arduino;
    if (request.message.empty() && request.guard) {
        return usageError(QStringLiteral("the message is empty: there is no table to guard"));
    }
    if (request.message.empty() && (request.mode == Mode::render || cArray)) {
        return usageError(request.mode == Mode::render
                              ? QStringLiteral("the message is empty: there is nothing to draw")
                              : QStringLiteral("the message is empty: C has no empty array"));
    }
    return request;
}

} // namespace vorlix::cli
