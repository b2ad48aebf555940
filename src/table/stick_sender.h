#pragma once
// Sending a message's columns, a font or a text to a stick's firmware over a
// serial line, as docs/protocol.md says: query the device, check what it
// takes, send, wait for its answer, try again where the protocol does. The
// one workflow of both front ends; it never blocks, and ends in one typed
// outcome for them to word.

#include "table/stick_load.h"

#include <QObject>
#include <QString>
#include <QTimer>

#include <optional>

class QIODevice;

namespace vorlix {

struct StickOutcome {
    enum class Result {
        acknowledged,      // stored: the device draws it
        refused,           // the device said no (reason)
        noAnswer,          // to any query: nothing listens, or at another baud rate
        noAcknowledgement, // the payload went out, no answer came
        cannotOpen,        // the port cannot be opened (detail)
        permissionDenied,  // the user may not open the port
        portFailed,        // writing to the open port failed (detail)
        tooLong,           // longer than the device holds (length, limit): nothing sent
        notTaken,          // the device takes no payload of this kind: nothing sent
        optionsDiffer,     // columns or a font in bit options not the stick's: nothing sent
    };
    Result result = Result::noAnswer;
    stick::Refusal reason{};                 // refused
    std::optional<stick::DeviceInfo> device; // once a query was answered
    // tooLong: the payload's columns, characters or bytes (a font's), and the
    // device's most.
    std::size_t length = 0;
    std::size_t limit = 0;
    QString detail;
};

// Why a load cannot go to the device, if it cannot: the checks before sending.
std::optional<StickOutcome> unfitFor(const StickLoad& load, const stick::DeviceInfo& device);

class StickSender : public QObject {
    Q_OBJECT
public:
    struct Timing { // the protocol's
        int queryMs = 1000;
        int queryTries = 4;
        int payloadExtraMs = 1000; // besides line time and storing
        int payloadTries = 3;
    };

    // port: its line settings made (a serial port's baud rate, as baud says);
    // opened by start() unless open already, and closed at the end.
    // portName: the path it was opened by, to tell a permission problem.
    StickSender(QIODevice& port, QString portName, int baud, StickLoad load, Timing timing,
                QObject* parent = nullptr);
    StickSender(QIODevice& port, QString portName, int baud, StickLoad load,
                QObject* parent = nullptr)
        : StickSender(port, std::move(portName), baud, std::move(load), Timing{}, parent) {}

    // Once: it ends in finished(), emitted once, from start() itself when
    // the port cannot be opened. Delete the sender later (deleteLater), not
    // in a slot of finished().
    void start();

signals:
    // The payload frame's bytes written so far, of total.
    void progress(qint64 written, qint64 total);
    void finished(const vorlix::StickOutcome& outcome);

private:
    void sendQuery();
    void sendPayload();
    void write(const stick::Bytes& frame);
    void answered();
    void timedOut();
    void finish(StickOutcome outcome);

    QIODevice& port_;
    QString portName_;
    int baud_;
    StickLoad load_;
    Timing timing_;
    stick::FrameReader reader_;
    QTimer timer_;
    stick::Bytes frame_; // the payload's
    std::optional<stick::DeviceInfo> device_;
    int tries_ = 0;
    qint64 written_ = 0;
    bool done_ = false;
};

} // namespace vorlix
