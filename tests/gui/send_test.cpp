// "Send to stick...": the dialog sends the message box's columns, encoded as
// the stick is wired (not as the editor's options say), through a
// pseudo-terminal to a stick scripted here as the protocol says, and shows
// its answer in words; it remembers the port, the baud rate and the wiring.

#include "gui/form_fixture.h"
#include "table/stick_protocol.h"
#include "ui/send_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QSocketNotifier>

#include <fcntl.h>
#include <pty.h>
#include <termios.h>
#include <unistd.h>

using namespace vorlix;

namespace {

// Drawn with the editor's defaults, a lit dot a 0 bit: B is lopsided.
const QByteArray library = "\"A\",\"&H81\",\"&HF6\",\"&HF6\",\"&HF6\",\"&H81\"\r\n"
                           "\"B\",\"&H80\",\"&HB6\",\"&HB6\",\"&HB6\",\"&HC9\"\r\n";

// The stick's end of a pseudo-terminal: it answers a query with its wiring
// and the AVR example's limits, a payload with the answer given, and notes
// the kinds it was sent and the last payload.
class PtyStick : public QObject {
public:
    PtyStick(int wiring, stick::Bytes toPayload) {
        termios raw{};
        cfmakeraw(&raw);
        QVERIFY(openpty(&master_, &slave_, path, &raw, nullptr) == 0); // the slave held open
        fcntl(master_, F_SETFL, O_NONBLOCK);
        const stick::DeviceInfo info{
            bool(wiring & 1), bool(wiring & 2), bool(wiring & 4), 500, 80, 32, 95, 0, 0, 12, 4};
        auto* notifier = new QSocketNotifier(master_, QSocketNotifier::Read, this);
        connect(notifier, &QSocketNotifier::activated, this, [this, info, toPayload] {
            std::uint8_t bytes[256];
            for (ssize_t n; (n = read(master_, bytes, sizeof bytes)) > 0;) {
                for (const stick::Frame& frame : reader_.feed(std::span(bytes, std::size_t(n)))) {
                    kinds += char(frame.kind);
                    payload = QByteArray(reinterpret_cast<const char*>(frame.payload.data()),
                                         qsizetype(frame.payload.size()));
                    const stick::Bytes answer =
                        frame.kind == 'Q'
                            ? stick::encodeFrame(stick::Kind::info, stick::encodeInfo(info))
                            : toPayload;
                    QVERIFY(write(master_, answer.data(), answer.size()) == ssize_t(answer.size()));
                }
            }
        });
    }
    ~PtyStick() override {
        close(master_);
        close(slave_);
    }

    char path[128] = {};
    QString kinds;
    QByteArray payload;

private:
    int master_ = -1, slave_ = -1;
    stick::FrameReader reader_;
};

const stick::Bytes ack = stick::encodeFrame(stick::Kind::ack, stick::Bytes{'C'});
const stick::Bytes tooLong = stick::encodeFrame(stick::Kind::refusal, stick::Bytes{'C', 2});

} // namespace

Q_DECLARE_METATYPE(vorlix::stick::Bytes)

class SendTest : public QObject {
    Q_OBJECT

    std::unique_ptr<FormFixture> f;
    QTemporaryDir config; // the settings of this run alone

    SendDialog* dialog() const { return f->form->findChild<SendDialog*>(); }
    template <typename Widget> Widget* in(const char* name) const {
        return dialog()->findChild<Widget*>(name);
    }

private slots:
    void initTestCase() { qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit()); }
    void init() {
        QSettings(QSettings::UserScope, "vorlix", "vorlix").clear();
        CALL(f = std::make_unique<FormFixture>(library));
    }
    void cleanup() { f.reset(); }

    // window: the main window's buttons clicked; stick: the dialog's wiring
    // ticked; wiring: the stick's own (1 invert, 2 swap, 4 reverse).
    void sendsAndShowsTheAnswer_data() {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QStringList>("stick");
        QTest::addColumn<int>("wiring");
        QTest::addColumn<stick::Bytes>("answer");
        QTest::addColumn<QString>("kinds");
        QTest::addColumn<QByteArray>("payload");
        QTest::addColumn<QString>("says");
        addRow("stored, whatever the editor's options", "chkInvert chkMSB", QStringList{"invert"},
               1, ack, "QC", QByteArray::fromHex("7e0909097e7f49494936"),
               "The stick stored the message (10 columns); it draws it from its next turn.");
        addRow("blank columns, spun the other way", "chkBLANK", QStringList{"invert", "reverse"}, 5,
               ack, "QC", QByteArray::fromHex("00364949497f007e0909097e"),
               "The stick stored the message (12 columns); it draws it from its next turn.");
        addRow("refused", "", QStringList{"invert"}, 1, tooLong, "QC",
               QByteArray::fromHex("7e0909097e7f49494936"),
               "The stick refused the message: it is too long for the stick. It still shows "
               "what it showed.");
        addRow("wired otherwise: nothing sent, its wiring ticked", "", QStringList{"invert"}, 3,
               ack, "Q", QByteArray(),
               "The stick is wired for Invert Bits, Swap MSB/ LSB, but the message was encoded "
               "for Invert Bits. Its options are ticked now: press Send again.");
    }
    void sendsAndShowsTheAnswer() {
        QFETCH(QString, window);
        QFETCH(QStringList, stick);
        QFETCH(int, wiring);
        QFETCH(stick::Bytes, answer);
        PtyStick device(wiring, answer);
        f->setText("txtMSG", "AB");
        CALL(f->act(window));
        QVERIFY(f->chooseFromMenu("txtMSG", "Send to stick..."));
        QVERIFY(dialog()->isVisible() && !dialog()->isModal());
        dialog()->setPortLister([&] { return QList<SerialPortEntry>{{device.path, "a pty"}}; });
        in<QComboBox>("port")->setCurrentIndex(0);
        in<QComboBox>("baud")->setCurrentText("38400");
        for (const char* name : {"invert", "swap", "reverse"}) {
            in<QCheckBox>(name)->setChecked(stick.contains(name));
        }
        QTest::mouseClick(in<QPushButton>("send"), Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(!dialog()->sending(), 20000);
        QTEST(device.kinds, "kinds");
        QTEST(device.payload, "payload");
        QTEST(in<QLabel>("answer")->text(), "says");
        QVERIFY(!in<QWidget>("progress")->isVisible());
        QCOMPARE(in<QCheckBox>("swap")->isChecked(), bool(wiring & 2));
        // The next dialog starts with this one's choices.
        static const FontTable none;
        const QLineEdit text;
        const QCheckBox blank;
        SendDialog next(
            &text, &blank, []() -> auto& { return none; }, nullptr,
            [] { return QList<SerialPortEntry>(); });
        QCOMPARE(next.findChild<QComboBox*>("port")->currentText(), QString(device.path));
        QCOMPARE(next.findChild<QComboBox*>("baud")->currentText(), "38400");
        for (const char* name : {"invert", "swap", "reverse"}) {
            QCOMPARE(next.findChild<QCheckBox*>(name)->isChecked(),
                     in<QCheckBox>(name)->isChecked());
        }
    }

    // A typed port that is not there; an empty message sends nothing.
    void saysWhyNothingWasSent() {
        f->setText("txtMSG", "");
        f->find("txtMSG")->setFocus();
        CALL(f->act("F5"));
        QTest::mouseClick(
            f->form->findChild<QWidget*>("SpinPreview")->findChild<QPushButton*>("sendToStick"),
            Qt::LeftButton);
        QVERIFY(dialog()->isVisible());
        QVERIFY(!in<QPushButton>("send")->isEnabled());
        QCOMPARE(in<QLabel>("message")->text(),
                 "The message box is empty: there is nothing to send.");
        f->setText("txtMSG", "B");
        QCOMPARE(in<QLabel>("message")->text(), "\"B\", 5 columns");
        const QString missing = f->dir.filePath("no-such-port");
        in<QComboBox>("port")->setCurrentText(missing);
        QTest::mouseClick(in<QPushButton>("send"), Qt::LeftButton);
        QTRY_VERIFY(!dialog()->sending());
        QVERIFY2(in<QLabel>("answer")->text().startsWith(
                     QString("The serial port %1 cannot be opened: ").arg(missing)),
                 qPrintable(in<QLabel>("answer")->text()));
    }
};

QTEST_MAIN(SendTest)
#include "send_test.moc"
