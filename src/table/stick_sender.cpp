#include "table/stick_sender.h"

#include <QFileInfo>
#include <QIODevice>

namespace vorlix {

using Result = StickOutcome::Result;

std::optional<StickOutcome> unfitFor(const StickLoad& load, const stick::DeviceInfo& device) {
    StickOutcome outcome;
    outcome.device = device;
    outcome.length = load.payload.size();
    const bool encoded = load.kind == stick::Kind::columns || load.kind == stick::Kind::font;
    if (encoded && (load.options != BitOptions{device.invert, device.swapMsb} ||
                    load.reverse != device.reverse)) {
        outcome.result = Result::optionsDiffer;
        return outcome;
    }
    switch (load.kind) {
    case stick::Kind::columns:
        outcome.limit = device.maxColumns;
        break;
    case stick::Kind::text:
        outcome.limit = device.fontCount ? device.maxText : 0;
        break;
    case stick::Kind::font:
        outcome.limit = device.maxFontBytes;
        break;
    default:
        outcome.limit = 0;
    }
    if (outcome.limit == 0) {
        outcome.result = Result::notTaken;
        return outcome;
    }
    if (outcome.length > outcome.limit) {
        outcome.result = Result::tooLong;
        return outcome;
    }
    return std::nullopt;
}

StickSender::StickSender(QIODevice& port, QString portName, int baud, StickLoad load, Timing timing,
                         QObject* parent)
    : QObject(parent), port_(port), portName_(std::move(portName)), baud_(baud),
      load_(std::move(load)), timing_(timing),
      frame_(stick::encodeFrame(load_.kind, load_.payload)) {
    timer_.setSingleShot(true);
    connect(&timer_, &QTimer::timeout, this, &StickSender::timedOut);
}

void StickSender::start() {
    if (!port_.isOpen() && !port_.open(QIODevice::ReadWrite)) {
        const QFileInfo file(portName_);
        StickOutcome outcome;
        outcome.result = file.exists() && !(file.isReadable() && file.isWritable())
                             ? Result::permissionDenied
                             : Result::cannotOpen;
        outcome.detail = port_.errorString();
        finish(outcome);
        return;
    }
    port_.readAll(); // whatever came before is no answer
    connect(&port_, &QIODevice::readyRead, this, &StickSender::answered);
    connect(&port_, &QIODevice::bytesWritten, this, [this](qint64 bytes) {
        if (device_) {
            written_ += bytes;
            emit progress(written_, qint64(frame_.size()));
        }
    });
    sendQuery();
}

void StickSender::sendQuery() {
    ++tries_;
    write(stick::encodeFrame(stick::Kind::query, {}));
    if (!done_) {
        timer_.start(timing_.queryMs);
    }
}

void StickSender::sendPayload() {
    ++tries_;
    written_ = 0;
    reader_.reset();
    write(frame_);
    if (done_) {
        return;
    }
    // The line time (10 bits a byte), storing twice as slow as the device
    // says, and the protocol's second.
    const qint64 lineMs = qint64(frame_.size()) * 10 * 1000 / std::max(baud_, 1) + 1;
    timer_.start(int(lineMs + timing_.payloadExtraMs +
                     2 * qint64(device_->storeMsPerByte) * qint64(load_.payload.size())));
}

void StickSender::write(const stick::Bytes& frame) {
    const auto bytes = reinterpret_cast<const char*>(frame.data());
    if (port_.write(bytes, qint64(frame.size())) != qint64(frame.size())) {
        StickOutcome outcome;
        outcome.result = Result::portFailed;
        outcome.detail = port_.errorString();
        outcome.device = device_;
        finish(outcome);
    }
}

void StickSender::answered() {
    const QByteArray bytes = port_.readAll();
    const auto* data = reinterpret_cast<const std::uint8_t*>(bytes.constData());
    for (const stick::Frame& frame : reader_.feed(std::span(data, std::size_t(bytes.size())))) {
        if (done_ || !frame.crcGood || frame.version != stick::protocolVersion) {
            continue; // a damaged answer is none: the timeout asks again
        }
        StickOutcome outcome;
        outcome.device = device_;
        const stick::Kind kind{frame.kind};
        if (kind == stick::Kind::refusal && frame.payload.size() >= 2) {
            outcome.reason = stick::Refusal(frame.payload[1]);
            if (outcome.reason == stick::Refusal::badCrc &&
                tries_ < (device_ ? timing_.payloadTries : timing_.queryTries)) {
                device_ ? sendPayload() : sendQuery(); // damaged on the way: the same again
                continue;
            }
            outcome.result = Result::refused;
            finish(outcome);
        } else if (!device_ && kind == stick::Kind::info) {
            device_ = stick::decodeInfo(frame.payload);
            if (!device_) {
                continue;
            }
            if (auto unfit = unfitFor(load_, *device_)) {
                finish(*unfit);
                continue;
            }
            tries_ = 0;
            sendPayload();
        } else if (device_ && kind == stick::Kind::ack) {
            outcome.result = Result::acknowledged;
            finish(outcome);
        }
    }
}

void StickSender::timedOut() {
    if (done_) {
        return;
    }
    if (!device_ && tries_ < timing_.queryTries) {
        sendQuery();
    } else if (device_ && tries_ < timing_.payloadTries) {
        sendPayload();
    } else {
        StickOutcome outcome;
        outcome.result = device_ ? Result::noAcknowledgement : Result::noAnswer;
        outcome.device = device_;
        finish(outcome);
    }
}

void StickSender::finish(StickOutcome outcome) {
    if (done_) {
        return;
    }
    done_ = true;
    timer_.stop();
    disconnect(&port_, nullptr, this, nullptr);
    port_.close();
    emit finished(outcome);
}

} // namespace vorlix
