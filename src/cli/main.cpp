// vorlix-table: the window's message table, and more, from the command line.
// Everything here is I/O; the outputs themselves come from pure functions.

#include "cli/options.h"
#include "cli/send.h"
#include "common/file_io.h"
#include "common/utf8.h"
#include "editor/column_text.h"
#include "editor/glyph.h"
#include "library/character_name.h"
#include "library/character_ranges.h"
#include "library/cp1252.h"
#include "library/library_check.h"
#include "library/library_format.h"
#include "library/library_session.h"
#include "library/library_store.h"
#include "render/font_import.h"
#include "render/png_file.h"
#include "render/render.h"
#include "table/firmware_file.h"
#include "table/firmware_table.h"
#include "table/font_table.h"
#include "table/message_check.h"
#include "table/stick_columns.h"
#include "table/table_file.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <cstdio>
#include <string>
#include <variant>

using namespace vorlix;
using namespace vorlix::cli;

namespace {

void printLine(std::FILE* stream, const QString& line) {
    std::fputs((line + QLatin1Char('\n')).toUtf8().constData(), stream);
}

void complain(const QString& what) {
    printLine(stderr, QCoreApplication::applicationName() + QStringLiteral(": ") + what);
}

QString at(const QString& path, int line) {
    return QStringLiteral("%1:%2").arg(QDir::toNativeSeparators(path)).arg(line);
}

// How --read-table and --update find the table and turn its bytes back.
TableReadRequest readRequest(const Request& request) {
    TableReadRequest read;
    read.format = request.formatGiven ? std::optional(request.format) : std::nullopt;
    read.label = request.table.label;
    read.characters = request.text.empty()
                          ? std::u32string(request.characters.begin(), request.characters.end())
                          : toCodePoints(request.text);
    read.blank = request.table.blank;
    read.options = request.table.options;
    read.reverse = request.table.reverse;
    return read;
}

// Unlike the window, which starts with an empty library, a file that is not
// there is an error: a build should not quietly turn a typo into empty values.
std::variant<LibraryLoad, QString> readLibrary(const LibraryLocation& location,
                                               const QString& path) {
    const QString shown = QDir::toNativeSeparators(path);
    if (!QFileInfo::exists(path)) {
        return QStringLiteral("cannot read the library %1: no such file").arg(shown);
    }
    LibraryLoad load = loadLibrary(location);
    if (!load.error.isEmpty()) {
        return QStringLiteral("cannot read the library %1: %2").arg(shown, load.error);
    }
    return load;
}

// Reports a damaged library and, with --strict, every character that would
// not give exact bytes. True when that makes the run fail.
bool reportShortfalls(const Request& request, const QString& path, const ParsedLibrary& library) {
    bool failed = false;
    if (const auto& damage = library.damage) {
        const QString where = at(path, damage->line);
        const QString what = QString::fromStdString(damage->what);
        if (request.strict) {
            complain(QStringLiteral("%1: the library is damaged: %2").arg(where, what));
            failed = true;
        } else {
            complain(QStringLiteral("warning: %1: the library is damaged: %2; the %3 glyphs "
                                    "before that line are used")
                         .arg(where, what)
                         .arg(library.records.size()));
        }
    }
    if (request.strict) {
        for (const std::string& problem : messageProblems(request.table.message, library.records)) {
            complain(QString::fromStdString(problem));
            failed = true;
        }
    }
    return failed;
}

// An output that is the library itself would be the library overwritten by
// its own table or picture.
bool isTheLibrary(const QString& output, const QString& library) {
    if (!sameFile(output, library)) {
        return false;
    }
    complain(QStringLiteral("%1 is the library itself; choose another file")
                 .arg(QDir::toNativeSeparators(output)));
    return true;
}

int written(const QString& path, const WriteResult& result) {
    if (result.status != WriteStatus::written) {
        complain(QStringLiteral("cannot write %1: %2")
                     .arg(QDir::toNativeSeparators(path), result.error));
        return exitUsage;
    }
    return exitOk;
}

int writeText(const QString& path, const std::string& text) {
    if (path.isEmpty()) {
        std::fwrite(text.data(), 1, text.size(), stdout);
        if (std::fflush(stdout) != 0 || std::ferror(stdout)) {
            complain(QStringLiteral("cannot write to standard output"));
            return exitUsage;
        }
        return exitOk;
    }
    return written(path, writeFile(path, text));
}

// False, with the reason said, when a computed goto at org cannot reach
// every word of the table.
bool fitsItsPage(const Request& request, const std::vector<TableRow>& rows) {
    const auto crossing = request.org ? pageCrossing(*request.org, rows) : std::nullopt;
    if (!crossing) {
        return true;
    }
    complain(QStringLiteral("entry %1 of the table (%2, column %3) would be at 0x%4, past "
                            "the 256-word page that the table starts in at 0x%5: a "
                            "computed goto cannot reach it")
                 .arg(crossing->entry)
                 .arg(QString::fromStdString(characterName(crossing->character)))
                 .arg(crossing->column + 1)
                 .arg(QString::number(*request.org + crossing->entry, 16).toUpper())
                 .arg(QString::number(*request.org, 16).toUpper()));
    return false;
}

int writeTable(const Request& request, const QString& path, const ParsedLibrary& library) {
    if (isTheLibrary(request.outputPath, path)) {
        return exitUsage;
    }
    if (reportShortfalls(request, path, library)) {
        return exitContent;
    }
    if (!fitsItsPage(request, messageRows(request.table, library.records))) {
        return exitContent;
    }
    return writeText(request.outputPath,
                     firmwareTable(request.format, request.table, library.records));
}

int writeFont(const Request& request, const QString& path, const ParsedLibrary& library) {
    if (isTheLibrary(request.outputPath, path)) {
        return exitUsage;
    }
    if (reportShortfalls(request, path, library)) {
        return exitContent;
    }
    FontRequest font;
    font.byText = !request.text.empty();
    font.characters = fontEntries(toCodePoints(request.text), request.characters, library.records);
    font.missing = request.missing;
    font.widths = request.widths;
    font.flat = request.flat;
    if (request.org) {
        // Every entry is the same length in the forms that have --org.
        const std::vector<TableRow> rows = characterRows(font.characters, request.table.blank, {});
        if (!fitsItsPage(request, rows)) {
            return exitContent;
        }
    }
    const FontOutput output = fontTable(request.format, request.table, font, library.records);
    if (!output.error.empty()) {
        complain(QString::fromStdString(output.error));
        return exitContent;
    }
    if (!output.filled.empty()) {
        complain(QStringLiteral("%1: not in the library, so %2: %3")
                     .arg(request.strict ? QStringLiteral("error") : QStringLiteral("warning"),
                          !output.darkFilled
                              ? QStringLiteral("given the glyph of %1")
                                    .arg(QString::fromStdString(characterName(*request.missing)))
                              : QStringLiteral("dark"),
                          QString::fromStdString(characterNames(output.filled))));
        if (output.darkFilled) {
            if (const std::string advice = quoteAdvice(font); !advice.empty()) {
                complain(QString::fromStdString(advice));
            }
        }
        if (request.strict) {
            complain(QStringLiteral("nothing was written (--strict)"));
            return exitContent;
        }
    }
    return writeText(request.outputPath, output.text);
}

int writePicture(const Request& request, const QString& path, const ParsedLibrary& library) {
    if (isTheLibrary(request.imagePath, path)) {
        return exitUsage;
    }
    const std::size_t longest = static_cast<std::size_t>(maxRenderColumns(request.round)) /
                                columnsPerCharacter(request.table.blank);
    if (toCodePoints(request.table.message).size() > longest) {
        complain(QStringLiteral("the message is too long to draw%1: at most %2 characters fit")
                     .arg(request.round ? QStringLiteral(" on a ring") : QString())
                     .arg(longest));
        return exitUsage;
    }
    if (reportShortfalls(request, path, library)) {
        return exitContent;
    }
    std::vector<ColumnDots> columns = stickColumns(request.table.message, request.table.blank,
                                                   library.records, request.table.options);
    if (request.table.reverse) {
        reverseColumns(columns);
    }
    return written(request.imagePath,
                   writePng(request.imagePath,
                            request.round ? renderRound(columns) : renderStraight(columns)));
}

// The file is read once: a pipe gives its bytes only once.
int writeCheck(const QString& path) {
    const FileRead file = readFile(path, libraryByteLimit);
    if (file.missing || !file.error.isEmpty()) {
        complain(QStringLiteral("cannot read the library %1: %2")
                     .arg(QDir::toNativeSeparators(path),
                          file.missing ? QStringLiteral("no such file") : file.error));
        return exitUsage;
    }
    const LibraryLoad load{parseLibrary(file.bytes), {}};
    // Only a check looks for a file saved as UTF-8 without its mark, rather
    // than every load.
    const std::optional<int> unmarkedUtf8 = load.parsed.encoding == TextEncoding::windows1252
                                                ? firstUtf8Line(file.bytes)
                                                : std::nullopt;
    const std::vector<Finding> findings = checkLibrary(load.parsed, unmarkedUtf8);
    for (const Finding& finding : findings) {
        printLine(stdout, at(path, finding.line) + QStringLiteral(": ") +
                              QString::fromStdString(finding.what));
    }
    printLine(stdout,
              QStringLiteral("%1: %2 glyphs, read as %3%4")
                  .arg(QDir::toNativeSeparators(path))
                  .arg(load.parsed.records.size())
                  .arg(load.parsed.encoding == TextEncoding::utf8WithMark
                           ? QStringLiteral("UTF-8")
                           : QStringLiteral("Windows-1252"),
                       findings.empty() ? QStringLiteral(", nothing to report") : QString()));
    if (std::fflush(stdout) != 0 || std::ferror(stdout)) {
        complain(QStringLiteral("cannot write the report to standard output"));
        return exitUsage;
    }
    return findings.empty() ? exitOk : exitContent;
}

// The old library kept beside it: unreadable in part, or replaced glyphs.
void reportBackup(const LibraryWrite& written) {
    if (written.backupPath.isEmpty()) {
        return;
    }
    const QString backup = QDir::toNativeSeparators(written.backupPath);
    complain(written.dropped.line > 0
                 ? QStringLiteral("the old library could not be read whole (line %1: %2) and "
                                  "was kept as %3")
                       .arg(written.dropped.line)
                       .arg(QString::fromStdString(written.dropped.what), backup)
                 : QStringLiteral("the library as it was before is kept as %1").arg(backup));
}

// Names what a merge refused and, when a UTF-8 library would hold some of
// them, how to keep them.
void reportRefused(const std::vector<std::string>& refused) {
    if (refused.empty()) {
        return;
    }
    const bool utf8Holds = std::ranges::any_of(refused, [](const std::string& field) {
        return !fieldProblem(field, TextEncoding::utf8WithMark);
    });
    const bool quote = std::ranges::any_of(
        refused, [](const std::string& field) { return field.find('"') != std::string::npos; });
    complain(QStringLiteral("refused, since the library cannot store them: %1%2%3")
                 .arg(QString::fromStdString(fieldNames(refused)),
                      quote ? QStringLiteral("; the library's file quotes each field and has no "
                                             "escape for '\"'")
                            : QString(),
                      utf8Holds ? QStringLiteral("; to keep those outside Windows-1252, make the "
                                                 "library UTF-8 (--convert utf-8) and run this "
                                                 "again")
                                : QString()));
}

// A write that did not happen, in words, and its exit code; nullopt when it
// went through.
std::optional<int> writeFailed(const LibraryWrite& write, const QString& library,
                               const QString& asked) {
    const QString path = QDir::toNativeSeparators(library);
    if (write.result == LibraryWrite::Result::damagedLibrary) {
        complain(QStringLiteral("%1:%2: the library is damaged: %3")
                     .arg(path)
                     .arg(write.dropped.line)
                     .arg(QString::fromStdString(write.dropped.what)));
        complain(QStringLiteral("nothing was written (%1): writing would drop the glyphs from "
                                "that line on. '%2 --check' names every damaged line; mend them "
                                "with a text editor, or let a save in the window write the "
                                "library anew from what it can read (it keeps the old file as a "
                                "backup).")
                     .arg(asked, QCoreApplication::applicationName()));
        return exitContent;
    }
    if (!write.ok()) {
        complain(QStringLiteral("cannot write the library %1: %2").arg(path, write.error));
        return exitUsage;
    }
    return std::nullopt;
}

int writeConvert(const Request& request, LibrarySession& library) {
    const QString path = QDir::toNativeSeparators(library.location().path);
    const QString name = request.toUtf8 ? QStringLiteral("UTF-8") : QStringLiteral("Windows-1252");
    const LibraryWrite outcome =
        library.convert(request.toUtf8 ? TextEncoding::utf8WithMark : TextEncoding::windows1252);
    if (!outcome.refused.empty()) {
        complain(QStringLiteral("%1 cannot hold %2; the library stays as it is")
                     .arg(name, QString::fromStdString(fieldNames(outcome.refused))));
        return exitContent;
    }
    if (const auto failed =
            writeFailed(outcome, library.location().path, QStringLiteral("--convert"))) {
        return *failed;
    }
    reportBackup(outcome);
    printLine(stdout, outcome.result == LibraryWrite::Result::unchanged
                          ? QStringLiteral("%1: %2 already, nothing to do").arg(path, name)
                          : QStringLiteral("%1: now %2").arg(path, name));
    return exitOk;
}

// Merges what was read from source and says what it did.
int mergeInto(LibrarySession& library, const Request& request, const QString& source,
              const FontTable& records, std::optional<std::size_t> missing) {
    // A font's import takes what the library can store even with --strict,
    // which is about its dots; a table's reading takes all or nothing.
    const LibraryWrite merge =
        library.merge(records, {request.replace, request.strict && request.mode == Mode::readTable,
                                request.strict});
    if (const auto failed =
            writeFailed(merge, library.location().path, QStringLiteral("--strict"))) {
        return *failed;
    }
    reportRefused(merge.refused);
    if (request.strict && !merge.refused.empty()) {
        complain(QStringLiteral("nothing was written (--strict)"));
        return exitContent;
    }
    reportBackup(merge);
    printLine(stdout, QStringLiteral("%1: %2").arg(
                          source, QString::fromStdString(mergeCounts(merge, missing))));
    return exitOk;
}

QString names(const std::vector<char32_t>& characters) {
    return QString::fromStdString(characterNames(characters));
}

// Names what an update kept, filled or could not read, and why '"' is among them.
void reportUpdateGaps(const Request& request, const TableUpdate& update) {
    if (!update.lacked.empty()) {
        complain(QStringLiteral("%1: not in the library, so %2: %3")
                     .arg(request.strict ? QStringLiteral("error") : QStringLiteral("warning"),
                          update.filled
                              ? QStringLiteral("given the glyph of %1")
                                    .arg(QString::fromStdString(characterName(*request.missing)))
                              : QStringLiteral("their bytes are kept"),
                          names(update.lacked)));
        if (std::ranges::count(update.lacked, U'"') > 0) {
            complain(QString::fromUtf8(quoteNeverStored.data(), quoteNeverStored.size()));
        }
    }
    if (!update.partial.empty()) {
        complain(
            QStringLiteral("warning: a column that is no byte (%1) keeps its bytes: %2")
                .arg(QString::fromUtf8(byteForm.data(), byteForm.size()), names(update.partial)));
    }
}

int writeUpdate(const Request& request, const QString& libraryPath, const ParsedLibrary& library) {
    const QString file = QDir::toNativeSeparators(request.tablePath);
    if (sameFile(request.tablePath, libraryPath)) {
        complain(QStringLiteral("%1 is the library itself; name a firmware source").arg(file));
        return exitUsage;
    }
    if (reportShortfalls(request, libraryPath, library)) {
        return exitContent;
    }
    TableUpdateRequest asked;
    static_cast<TableReadRequest&>(asked) = readRequest(request);
    asked.missing = request.missing;
    asked.spaceWidth = request.table.spaceWidth;
    asked.strict = request.strict;
    const FirmwareFileUpdate done =
        updateFirmwareFile(request.tablePath, asked, library.records, !request.dryRun);
    const TableUpdate& update = done.update;
    using Result = FirmwareFileUpdate::Result;
    if (done.result == Result::failed || done.result == Result::damaged) {
        complain(QStringLiteral("cannot update %1: %2").arg(file, done.error));
        return exitUsage;
    }
    reportUpdateGaps(request, update);
    if (done.result == Result::refused) {
        const Damage& damage = *update.damage;
        complain((damage.line > 0 ? at(request.tablePath, damage.line) : file) +
                 QStringLiteral(": ") + QString::fromStdString(damage.what) +
                 QStringLiteral("; nothing was written"));
        return exitContent;
    }
    if (request.dryRun) {
        const std::string diff =
            lineDiff(done.before, update.text, request.tablePath.toStdString());
        std::fwrite(diff.data(), 1, diff.size(), stdout);
    } else {
        for (const char32_t character : update.changed) {
            printLine(stdout, QStringLiteral("%1: %2 changed")
                                  .arg(file, QString::fromStdString(characterName(character))));
        }
    }
    printLine(request.dryRun ? stderr : stdout,
              done.result == Result::unchanged
                  ? QStringLiteral("%1: nothing to change; the file is left as it is").arg(file)
                  : QStringLiteral("%1: %2 %3 character%4%5")
                        .arg(file, request.dryRun ? QStringLiteral("would change")
                                                  : QStringLiteral("changed"))
                        .arg(update.changed.size())
                        .arg(update.changed.size() == 1 ? QString() : QStringLiteral("s"))
                        .arg(request.dryRun ? QStringLiteral(" (--dry-run: nothing written)")
                                            : QString()));
    if (std::fflush(stdout) != 0 || std::ferror(stdout)) {
        complain(QStringLiteral("cannot write to standard output"));
        return exitUsage;
    }
    return exitOk;
}

int writeImport(const Request& request, LibrarySession& library) {
    const FontImport import = readFontImport(
        request.fontPath, request.characters.empty() ? printableCp1252() : request.characters,
        request.table.options, request.baselineRow, request.crop);
    const QString font = QDir::toNativeSeparators(request.fontPath);
    if (!import.font.error.isEmpty()) {
        complain(QStringLiteral("cannot import %1: %2%3")
                     .arg(font, import.font.error,
                          import.font.tooLarge
                              ? QStringLiteral("; --crop takes it, cut to the cell")
                              : QString()));
        return exitUsage;
    }
    if (!import.clipped.empty()) {
        complain(QStringLiteral("%1: %2 do not fit the 5x8 cell and lose dots: %3")
                     .arg(request.strict ? QStringLiteral("error") : QStringLiteral("warning"))
                     .arg(import.clipped.size())
                     .arg(QString::fromStdString(characterNames(import.clipped))));
        if (request.strict) {
            complain(QStringLiteral("nothing was written (--strict)"));
            return exitContent;
        }
    }
    return mergeInto(library, request, font, import.records, import.font.missing.size());
}

int writeReadTable(const Request& request, LibrarySession& library) {
    const QString table = QDir::toNativeSeparators(request.tablePath);
    const TableFileRead glyphs = readTableFile(request.tablePath, readRequest(request), true);
    using Failure = TableFileRead::Failure;
    switch (glyphs.failure) {
    case Failure::none:
        break;
    case Failure::missing:
    case Failure::notPlain:
    case Failure::unreadable:
        complain(QStringLiteral("cannot read %1: %2")
                     .arg(table, glyphs.failure == Failure::missing ? QStringLiteral("no such file")
                                 : glyphs.failure == Failure::notPlain
                                     ? QStringLiteral("it is a folder")
                                     : glyphs.error));
        return exitUsage;
    case Failure::notTable:
        complain((glyphs.damage->line > 0 ? at(request.tablePath, glyphs.damage->line) : table) +
                 QStringLiteral(": ") + QString::fromStdString(glyphs.damage->what));
        return exitContent;
    case Failure::notGlyphs:
        complain(table + QStringLiteral(": ") + QString::fromStdString(glyphs.glyphError) +
                 (glyphs.labelWouldHelp
                      ? QStringLiteral("; if the file holds more than the table, name it with "
                                       "--label")
                      : QString()));
        return exitContent;
    }
    return mergeInto(library, request, table, glyphs.records, std::nullopt);
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("vorlix-table"));
    QCoreApplication::setApplicationVersion(QStringLiteral(VORLIX_VERSION));

    const auto parsed = parseArguments(QCoreApplication::arguments());
    if (const Stop* stop = std::get_if<Stop>(&parsed)) {
        std::fputs(stop->text.toUtf8().constData(), stop->exitCode == exitOk ? stdout : stderr);
        return stop->exitCode;
    }
    const Request& request = std::get<Request>(parsed);
    const LibraryLocation location = locateLibrary(
        request.libraryPath, QCoreApplication::applicationDirPath(), userLibraryFolder());
    LibrarySession session(location);
    if (request.mode == Mode::import) {
        return writeImport(request, session);
    }
    if (request.mode == Mode::readTable) {
        return writeReadTable(request, session);
    }
    if (request.mode == Mode::convert) {
        return writeConvert(request, session);
    }
    // What is read: the per-user library, or its installed starter until the
    // first save or import makes it.
    const QString path = location.readPath();
    if (request.mode == Mode::check) {
        return writeCheck(path);
    }
    const auto library = readLibrary(location, path);
    if (const QString* error = std::get_if<QString>(&library)) {
        complain(*error);
        return exitUsage;
    }
    const LibraryLoad& load = std::get<LibraryLoad>(library);
    if (!request.sendPort.isEmpty()) {
        return reportShortfalls(request, path, load.parsed)
                   ? exitContent
                   : sendToStick(request, load.parsed.records);
    }
    switch (request.mode) {
    case Mode::render:
        return writePicture(request, path, load.parsed);
    case Mode::font:
        return writeFont(request, path, load.parsed);
    case Mode::update:
        return writeUpdate(request, path, load.parsed);
    case Mode::table:
    case Mode::check:
    case Mode::import:
    case Mode::readTable:
    case Mode::convert:
        break;
    }
    return writeTable(request, path, load.parsed);
}
