#include "cli/send.h"

#include "library/character_name.h"
#include "table/font_table.h"
#include "table/stick_sender.h"

#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>
#include <QFileInfo>
#include <QSerialPort>

#include <cstdio>

namespace vorlix::cli {

namespace {

using Result = StickOutcome::Result;

void say(std::FILE* stream, const QString& line) {
    std::fputs(
        (QCoreApplication::applicationName() + QStringLiteral(": ") + line + QLatin1Char('\n'))
            .toUtf8()
            .constData(),
        stream);
}

QString what(stick::Kind kind) {
    return kind == stick::Kind::font   ? QStringLiteral("the font")
           : kind == stick::Kind::text ? QStringLiteral("the text")
                                       : QStringLiteral("the message");
}

QString count(stick::Kind kind, std::size_t n) {
    return QStringLiteral("%1 %2").arg(n).arg(kind == stick::Kind::font ? QStringLiteral("bytes")
                                              : kind == stick::Kind::text
                                                  ? QStringLiteral("characters")
                                                  : QStringLiteral("columns"));
}

QString optionsOf(bool invert, bool swap, bool reverse) {
    QStringList options;
    for (const auto& [set, name] : {std::pair{invert, "--invert"}, std::pair{swap, "--swap"},
                                    std::pair{reverse, "--reverse"}}) {
        if (set) {
            options << QLatin1String(name);
        }
    }
    return options.isEmpty() ? QStringLiteral("none of --invert, --swap and --reverse")
                             : options.join(QLatin1Char(' '));
}

QString reasonOf(stick::Refusal reason) {
    switch (reason) {
    case stick::Refusal::badCrc:
        return QStringLiteral("it arrived damaged (bad CRC) at every try; check the wiring, the "
                              "ground and the baud rate");
    case stick::Refusal::tooLong:
        return QStringLiteral("too long for it");
    case stick::Refusal::unknownKind:
        return QStringLiteral("it takes nothing of this kind");
    case stick::Refusal::unknownVersion:
        return QStringLiteral("it speaks another version of the protocol");
    case stick::Refusal::badPayload:
        return QStringLiteral("it is not in the form the protocol gives");
    }
    return QStringLiteral("reason %1, which this program does not know").arg(int(reason));
}

int report(const Request& request, const StickLoad& load, const StickOutcome& outcome) {
    const QString port = QDir::toNativeSeparators(request.sendPort);
    const QString sent = what(load.kind);
    switch (outcome.result) {
    case Result::acknowledged:
        std::fputs(QStringLiteral("%1: the stick stored %2 (%3)\n")
                       .arg(port, sent, count(load.kind, load.payload.size()))
                       .toUtf8()
                       .constData(),
                   stdout);
        return std::fflush(stdout) == 0 ? exitOk : exitUsage;
    case Result::refused:
        say(stderr, QStringLiteral("%1: the stick refused %2: %3; it still shows what it showed")
                        .arg(port, sent, reasonOf(outcome.reason)));
        return exitRefused;
    case Result::noAnswer:
        say(stderr, QStringLiteral("%1: no answer from the stick to 4 queries: is it powered and "
                                   "running firmware that speaks the protocol, at %2 baud "
                                   "(--baud)? Nothing was sent")
                        .arg(port)
                        .arg(request.baud));
        return exitNoAnswer;
    case Result::noAcknowledgement:
        say(stderr, QStringLiteral("%1: the stick answered the query, but did not acknowledge %2 "
                                   "after 3 tries; it may show the old one still")
                        .arg(port, sent));
        return exitNoAnswer;
    case Result::cannotOpen:
        say(stderr, QStringLiteral("cannot open the serial port %1: %2").arg(port, outcome.detail));
        return exitUsage;
    case Result::permissionDenied: {
        const QString group = QFileInfo(request.sendPort).group();
        say(stderr,
            QStringLiteral("cannot open the serial port %1: permission denied; members of the "
                           "group '%2' may open it (on Debian: sudo adduser $USER %2, then log "
                           "in again)")
                .arg(port, group.isEmpty() || group == QLatin1String("root")
                               ? QStringLiteral("dialout")
                               : group));
        return exitUsage;
    }
    case Result::portFailed:
        say(stderr,
            QStringLiteral("cannot write to the serial port %1: %2").arg(port, outcome.detail));
        return exitUsage;
    case Result::tooLong:
        say(stderr, QStringLiteral("%1 is %2, but the stick holds at most %3; nothing was sent")
                        .arg(sent, count(load.kind, outcome.length))
                        .arg(outcome.limit));
        return exitRefused;
    case Result::notTaken:
        say(stderr, load.kind == stick::Kind::text
                        ? QStringLiteral("the stick holds no font to draw a text with; send the "
                                         "message without --as-text. Nothing was sent")
                        : QStringLiteral("the stick takes no font; nothing was sent"));
        return exitRefused;
    case Result::optionsDiffer: {
        const stick::DeviceInfo& device = *outcome.device;
        say(stderr, QStringLiteral("the stick is wired for %1, but %2 was made with %3; nothing "
                                   "was sent")
                        .arg(optionsOf(device.invert, device.swapMsb, device.reverse), sent,
                             optionsOf(load.options.invert, load.options.swapMsb, load.reverse)));
        return exitRefused;
    }
    }
    return exitUsage;
}

std::optional<StickLoad> loadOf(const Request& request, const FontTable& table, int& failed) {
    if (request.mode == Mode::font) {
        const StickFontLoad font = fontLoad(
            request.table,
            request.characters.empty() ? codePointSpan(table) : codePointSpan(request.characters),
            table);
        if (!font.load) {
            say(stderr, QString::fromStdString(font.error));
            failed = exitUsage;
            return std::nullopt;
        }
        if (!font.filled.empty()) {
            say(stderr,
                QStringLiteral("%1: not in the library, so dark: %2")
                    .arg(request.strict ? QStringLiteral("error") : QStringLiteral("warning"),
                         QString::fromStdString(characterNames(font.filled))));
            if (request.strict) {
                say(stderr, QStringLiteral("nothing was sent (--strict)"));
                failed = exitContent;
                return std::nullopt;
            }
        }
        return font.load;
    }
    if (request.asText) {
        auto load = textLoad(request.table.message);
        if (!load) {
            say(stderr, QStringLiteral("the text holds a character beyond code 255, which no "
                                       "stick's font holds"));
            failed = exitUsage;
        }
        return load;
    }
    return columnsLoad(request.table, table);
}

} // namespace

int sendToStick(const Request& request, const FontTable& table) {
    int failed = exitOk;
    const std::optional<StickLoad> load = loadOf(request, table, failed);
    if (!load) {
        return failed;
    }
    QSerialPort port(request.sendPort); // 8 data bits, no parity, 1 stop bit, no flow control
    port.setBaudRate(request.baud);
    StickSender sender(port, request.sendPort, request.baud, *load);
    std::optional<StickOutcome> outcome;
    QEventLoop loop;
    QObject::connect(&sender, &StickSender::finished, [&](const StickOutcome& ended) {
        outcome = ended;
        loop.quit();
    });
    sender.start();
    if (!outcome) {
        loop.exec();
    }
    return report(request, *load, *outcome);
}

} // namespace vorlix::cli
