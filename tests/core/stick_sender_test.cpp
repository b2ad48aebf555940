#include "table/stick_sender.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QIODevice>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

namespace vorlix {
namespace {

using stick::Bytes;
using stick::Kind;
using Result = StickOutcome::Result;

// A device on the other end of the line that answers each whole frame as its
// script says (nothing: silence), and notes the kinds it was sent.
class ScriptedStick : public QIODevice {
public:
    using Script = std::function<Bytes(const stick::Frame&)>;
    explicit ScriptedStick(Script script) : script_(std::move(script)) {}

    bool isSequential() const override { return true; }
    qint64 bytesAvailable() const override { return out_.size() + QIODevice::bytesAvailable(); }
    std::string sent; // the kinds, in order
    Bytes payload;    // the last payload

protected:
    qint64 readData(char* data, qint64 max) override {
        const qint64 n = std::min<qint64>(max, out_.size());
        std::copy_n(out_.constData(), n, data);
        out_.remove(0, n);
        return n;
    }
    qint64 writeData(const char* data, qint64 length) override {
        for (const stick::Frame& frame :
             reader_.feed(std::span(reinterpret_cast<const std::uint8_t*>(data), length))) {
            sent += char(frame.kind);
            payload = frame.payload;
            const Bytes answer = script_(frame);
            out_.append(reinterpret_cast<const char*>(answer.data()), qsizetype(answer.size()));
        }
        QTimer::singleShot(1, this, [this] { emit readyRead(); });
        return length;
    }

private:
    Script script_;
    stick::FrameReader reader_;
    QByteArray out_;
};

const stick::DeviceInfo avr{true, false, false, 6, 4, 32, 95, 0, 0, 12, 0};

ScriptedStick::Script answering(stick::DeviceInfo device, Bytes toPayload) {
    return [=](const stick::Frame& frame) {
        return frame.kind == 'Q' ? stick::encodeFrame(Kind::info, stick::encodeInfo(device))
                                 : toPayload;
    };
}

struct Case {
    const char* name;
    ScriptedStick::Script device;
    StickLoad load;
    Result result;
    std::string sent;
};

const StickLoad columns{Kind::columns, {0x81, 0xF6, 0xF6, 0xF6, 0x81}, {true, false}, false};
const Bytes ack = stick::encodeFrame(Kind::ack, Bytes{'C'});
const Bytes badCrc = stick::encodeFrame(Kind::refusal, Bytes{'C', 1});
const Bytes tooLong = stick::encodeFrame(Kind::refusal, Bytes{'C', 2});

class Sending : public testing::TestWithParam<Case> {};

TEST_P(Sending, EndsAsTheDeviceAnswers) {
    static int argc = 1;
    static char name[] = "core_tests";
    static char* argv[] = {name, nullptr};
    static QCoreApplication app(argc, argv);
    const Case& c = GetParam();
    ScriptedStick device(c.device);
    StickSender sender(device, QString(), 1000000, c.load, {20, 4, 20, 3});
    std::optional<StickOutcome> outcome;
    QEventLoop loop;
    QObject::connect(&sender, &StickSender::finished, [&](const StickOutcome& o) {
        outcome = o;
        loop.quit();
    });
    sender.start();
    if (!outcome) {
        loop.exec();
    }
    ASSERT_TRUE(outcome);
    EXPECT_EQ(outcome->result, c.result);
    EXPECT_EQ(device.sent, c.sent);
    EXPECT_FALSE(device.isOpen());
    if (c.result == Result::acknowledged) {
        EXPECT_EQ(device.payload, c.load.payload);
    }
    if (c.result == Result::tooLong) {
        EXPECT_EQ(outcome->length, c.load.payload.size());
        EXPECT_EQ(outcome->limit, 4u);
    }
}

INSTANTIATE_TEST_SUITE_P(
    StickSender, Sending,
    testing::Values(
        Case{"Acknowledged", answering(avr, ack), columns, Result::acknowledged, "QC"},
        Case{"LateToWake",
             [n = 0](const stick::Frame& frame) mutable {
                 return ++n < 3 ? Bytes{} : answering(avr, ack)(frame);
             },
             columns, Result::acknowledged, "QQQC"},
        Case{"TooLongNothingSent", answering(avr, ack),
             StickLoad{Kind::text, Bytes(5, 'A'), {}, false}, Result::tooLong, "Q"},
        Case{"OtherOptions", answering(avr, ack),
             StickLoad{Kind::columns, columns.payload, {true, true}, false}, Result::optionsDiffer,
             "Q"},
        Case{"NoFontTaken", answering(avr, ack),
             StickLoad{Kind::font, Bytes(8, 0), {true, false}, false}, Result::notTaken, "Q"},
        Case{"DamagedEachTime", answering(avr, badCrc), columns, Result::refused, "QCCC"},
        Case{"QueryDamagedOnce",
             [n = 0](const stick::Frame& frame) mutable {
                 return ++n == 1 ? stick::encodeFrame(Kind::refusal, Bytes{'Q', 1})
                                 : answering(avr, ack)(frame);
             },
             columns, Result::acknowledged, "QQC"},
        Case{"RefusedOnce", answering(avr, tooLong), columns, Result::refused, "QC"},
        Case{"Silent", [](const stick::Frame&) { return Bytes{}; }, columns, Result::noAnswer,
             "QQQQ"},
        Case{"NoAcknowledgement", answering(avr, {}), columns, Result::noAcknowledgement, "QCCC"}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace vorlix
