// vorlix-table: the window's message table, and more, from the command line.
// Everything here is I/O; the outputs themselves come from pure functions.

#include "cli/c_table.h"
#include "cli/library_check.h"
#include "cli/message_check.h"
#include "cli/options.h"
#include "cli/render.h"
#include "cli/stick_columns.h"
#include "library/library_store.h"
#include "table/make_table.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QImageWriter>
#include <QSaveFile>

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

// Unlike the window, which starts with an empty library, a file that is not
// there is an error: a build should not quietly turn a typo into empty values.
std::variant<ParsedLibrary, QString> readLibrary(const QString& path) {
    const QString shown = QDir::toNativeSeparators(path);
    if (!QFileInfo::exists(path)) {
        return QStringLiteral("cannot read the library %1: no such file").arg(shown);
    }
    LibraryLoad load = loadLibrary(path);
    if (!load.error.isEmpty()) {
        return QStringLiteral("cannot read the library %1: %2").arg(shown, load.error);
    }
    return std::move(load.parsed);
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
        for (const std::string& problem : messageProblems(request.message, library.records)) {
            complain(QString::fromStdString(problem));
            failed = true;
        }
    }
    return failed;
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
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) ||
        file.write(text.data(), static_cast<qint64>(text.size())) !=
            static_cast<qint64>(text.size()) ||
        !file.commit()) {
        complain(QStringLiteral("cannot write %1: %2")
                     .arg(QDir::toNativeSeparators(path), file.errorString()));
        return exitUsage;
    }
    return exitOk;
}

int writeTable(const Request& request, const QString& path, const ParsedLibrary& library) {
    if (reportShortfalls(request, path, library)) {
        return exitContent;
    }
    return writeText(
        request.outputPath,
        request.format == Format::c
            ? cTable(request.message, request.blank, library.records)
            : MAKETABLE(request.message, request.prefix, request.blank, library.records));
}

int writePicture(const Request& request, const QString& path, const ParsedLibrary& library) {
    if (reportShortfalls(request, path, library)) {
        return exitContent;
    }
    const std::vector<Dots> columns =
        stickColumns(request.message, request.blank, library.records, request.encoding);
    QImageWriter writer(request.imagePath, "png");
    if (!writer.write(request.round ? renderRound(columns) : renderStraight(columns))) {
        complain(QStringLiteral("cannot write %1: %2")
                     .arg(QDir::toNativeSeparators(request.imagePath), writer.errorString()));
        return exitUsage;
    }
    return exitOk;
}

int writeCheck(const QString& path, const ParsedLibrary& library) {
    const std::vector<Finding> findings = checkLibrary(library);
    for (const Finding& finding : findings) {
        printLine(stdout, at(path, finding.line) + QStringLiteral(": ") +
                              QString::fromStdString(finding.what));
    }
    if (findings.empty()) {
        printLine(stdout, QStringLiteral("%1: %2 glyphs, nothing to report")
                              .arg(QDir::toNativeSeparators(path))
                              .arg(library.records.size()));
    }
    return findings.empty() ? exitOk : exitContent;
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
    const QString path = request.libraryPath.isEmpty()
                             ? libraryPathBeside(QCoreApplication::applicationDirPath())
                             : request.libraryPath;
    const auto library = readLibrary(path);
    if (const QString* error = std::get_if<QString>(&library)) {
        complain(*error);
        return exitUsage;
    }
    const ParsedLibrary& loaded = std::get<ParsedLibrary>(library);
    switch (request.mode) {
    case Mode::check:
        return writeCheck(path, loaded);
    case Mode::render:
        return writePicture(request, path, loaded);
    case Mode::table:
        break;
    }
    return writeTable(request, path, loaded);
}
