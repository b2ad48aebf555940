// The editor half of the window: start-up state, what screen readers are
// told, pixel clicks and keys, the two encoding options, Clear, the
// fonts-list toggle and the input limits.

#include "gui/form_fixture.h"
#include "ui/pixel_button.h"

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

using vorlix::PixelButton;

class EditorTest : public QObject {
    Q_OBJECT

    std::unique_ptr<FormFixture> f;

    QString box(const char* name, int k) const {
        return f->find<QLineEdit>(QStringLiteral("%1(%2)").arg(QLatin1String(name)).arg(k))->text();
    }
    // The three texts of column k, joined by blanks.
    QString column(int k) const {
        return box("col", k) + ' ' + box("txtHEX", k) + ' ' + box("txtDec", k);
    }
    QStringList columns() const {
        QStringList all;
        for (int k = 1; k <= 5; ++k) {
            all << column(k);
        }
        return all;
    }
    // The 40 editor pixels in index order, 'X' lit.
    QString glyph() const {
        QString dots;
        for (int i = 1; i <= 40; ++i) {
            dots +=
                f->find<PixelButton>(QStringLiteral("cmdPixel(%1)").arg(i))->isLit() ? 'X' : '.';
        }
        return dots;
    }
    QString caption() const { return f->find<QLabel>(QStringLiteral("Label1(0)"))->text(); }
    QCheckBox* check(const char* name) const { return f->find<QCheckBox>(QLatin1String(name)); }
    static QStringList same(const QString& text) { return {text, text, text, text, text}; }

private slots:
    void init() { f = std::make_unique<FormFixture>(); }
    void cleanup() { f.reset(); }

    void startsBlankWithItsDefaults() {
        QCOMPARE(f->form->windowTitle(), QStringLiteral("Propeller Vorlix Generator"));
        QCOMPARE(f->form->size(), QSize(490, 435));
        QVERIFY(!f->form->windowIcon().isNull());
        QCOMPARE(columns(), same(QStringLiteral("  ")));
        for (int i = 1; i <= 40; ++i) {
            QCOMPARE(f->find<PixelButton>(QStringLiteral("cmdPixel(%1)").arg(i))->colour(),
                     PixelButton::dark());
            QCOMPARE(f->find<PixelButton>(QStringLiteral("cmdPIX(%1)").arg(i - 1))->colour(),
                     PixelButton::dark());
        }
        QCOMPARE(caption(), QStringLiteral("lsb  Binary  msb"));
        QVERIFY(f->find<QLineEdit>(QStringLiteral("txtABC"))->text().isEmpty());
        QVERIFY(f->find<QPlainTextEdit>(QStringLiteral("txtDATA"))->toPlainText().isEmpty());
        QCOMPARE(f->find<QLineEdit>(QStringLiteral("txtPrefix"))->text(), QStringLiteral("0x"));
        QVERIFY(!f->find<QLineEdit>(QStringLiteral("txtMSG"))->text().isEmpty());
        for (const char* name : {"chkInvert", "chkINVCOLS", "chkMSB", "chkBLANK"}) {
            QVERIFY(!check(name)->isChecked());
        }
        QVERIFY(f->find<QGroupBox>(QStringLiteral("fraFONTS"))->isHidden());
        QCOMPARE(f->find<QLineEdit>(QStringLiteral("txtABC"))->toolTip(),
                 QStringLiteral("Enter Char here that represents the font data created."));
        QVERIFY(f->shown.isEmpty());
    }

    void controlsStandWhereTheTwipsSay_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("geometry");
        QTest::newRow("top-left pixel") << "cmdPixel(1)" << QRect(8, 16, 13, 13);
        QTest::newRow("bottom-right pixel") << "cmdPixel(40)" << QRect(72, 128, 13, 13);
        QTest::newRow("bottom-right preview") << "cmdPIX(39)" << QRect(72, 128, 13, 13);
        QTest::newRow("col(3)") << "col(3)" << QRect(104, 64, 113, 19);
        QTest::newRow("chkINVCOLS") << "chkINVCOLS" << QRect(368, 40, 105, 25);
        QTest::newRow("cmdSAVE") << "cmdSAVE" << QRect(104, 160, 249, 17);
        QTest::newRow("txtDATA") << "txtDATA" << QRect(8, 240, 345, 169);
        QTest::newRow("Command1") << "Command1" << QRect(360, 392, 121, 17);
        QTest::newRow("fraFONTS") << "fraFONTS" << QRect(0, 0, 481, 185);
    }
    void controlsStandWhereTheTwipsSay() {
        QFETCH(QString, name);
        QFETCH(QRect, geometry);
        auto* widget = f->find<QWidget>(name);
        QVERIFY(widget);
        QCOMPARE(widget->geometry(), geometry);
    }

    void captionsAndTheirAltShortcuts_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("shortcut");
        QTest::newRow("chkInvert") << "chkInvert"
                                   << "Invert &Bits"
                                   << "Alt+B";
        QTest::newRow("chkINVCOLS") << "chkINVCOLS"
                                    << "Invert Columns in &file"
                                    << "Alt+F";
        QTest::newRow("chkMSB") << "chkMSB"
                                << "&Swap MSB/ LSB"
                                << "Alt+S";
        QTest::newRow("cmdSAVE") << "cmdSAVE"
                                 << "&Append to file"
                                 << "Alt+A";
        QTest::newRow("Command2") << "Command2"
                                  << "&Clear Font Data"
                                  << "Alt+C";
        QTest::newRow("cmdLIST") << "cmdLIST"
                                 << "View Font &List"
                                 << "Alt+L";
        QTest::newRow("cmdTABLE") << "cmdTABLE"
                                  << "Convert &Text"
                                  << "Alt+T";
        QTest::newRow("Command1") << "Command1"
                                  << "Copy Data to Clipboard"
                                  << "";
        QTest::newRow("chkBLANK") << "chkBLANK"
                                  << "Add blank Column after each Char."
                                  << "";
    }
    void captionsAndTheirAltShortcuts() {
        QFETCH(QString, name);
        QFETCH(QString, caption);
        QFETCH(QString, shortcut);
        auto* button = f->find<QAbstractButton>(name);
        QCOMPARE(button->text(), caption);
        QCOMPARE(button->shortcut(), QKeySequence(shortcut));
    }

    void screenReadersSpeakTheCaptions_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("spoken");
        QTest::newRow("check box") << "chkInvert"
                                   << "Invert Bits";
        QTest::newRow("button") << "cmdSAVE"
                                << "Append to file";
        QTest::newRow("character box") << "txtABC"
                                       << "CHAR:";
        QTest::newRow("message box") << "txtMSG"
                                     << "Message Editor";
        QTest::newRow("prefix box") << "txtPrefix"
                                    << "Hex Prefix";
        QTest::newRow("pixel") << "cmdPixel(13)"
                               << "column 2, row 5, dark";
    }
    void screenReadersSpeakTheCaptions() {
        QFETCH(QString, name);
        QFETCH(QString, spoken);
        const auto* widget = QAccessible::queryAccessibleInterface(f->find<QWidget>(name));
        QCOMPARE(widget->text(QAccessible::Name), spoken);
    }

    void pixelClickRewritesAllFifteenBoxes() {
        f->clickPixel(1);
        QCOMPARE(f->find<PixelButton>(QStringLiteral("cmdPixel(1)"))->colour(), PixelButton::lit());
        QCOMPARE(columns(),
                 QStringList({"01111111 &H7F 127", "11111111 &HFF 255", "11111111 &HFF 255",
                              "11111111 &HFF 255", "11111111 &HFF 255"}));
        f->clickPixel(40);
        QCOMPARE(column(5), QStringLiteral("11111110 &HFE 254"));
        f->clickPixel(40);
        f->clickPixel(1);
        QCOMPARE(columns(), same(QStringLiteral("11111111 &HFF 255")));
    }

    void keysDrawAsClicksDo_data() {
        QTest::addColumn<QList<int>>("clicks");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("spoken"); // the name of the pixel left with focus
        const auto times = [](const char* key, int n) { return QString(key).repeated(n); };
        QTest::newRow("corners") << QList<int>{1, 8, 40, 33}
                                 << "Space " + times("Down ", 7) + "Space " + times("Right ", 4) +
                                        "Space " + times("Up ", 7) + "Space"
                                 << "column 5, row 1, lit";
        QTest::newRow("edges stop")
            << QList<int>{33, 40}
            << "Up Left " + times("Right ", 6) + "Space " + times("Down ", 9) + "Space"
            << "column 5, row 8, lit";
        QTest::newRow("twice") << QList<int>{10, 10} << "Down Right Space Space"
                               << "column 2, row 2, dark";
    }
    void keysDrawAsClicksDo() {
        QFETCH(QList<int>, clicks);
        QFETCH(QString, keys);
        QFETCH(QString, spoken);
        for (int index : clicks) {
            f->clickPixel(index);
        }
        const QString clicked = glyph();
        const QStringList boxes = columns();
        f = std::make_unique<FormFixture>();
        f->find<QWidget>(QStringLiteral("Command1"))->setFocus();
        f->press(QStringLiteral("Tab")); // round to the first stop
        QCOMPARE(f->focusName(), QStringLiteral("cmdPixel(1)"));
        f->press(keys);
        QCOMPARE(glyph(), clicked);
        QCOMPARE(columns(), boxes);
        f->press(QStringLiteral("Tab")); // the grid is one stop, and keeps its place
        QCOMPARE(f->focusName(), QStringLiteral("col(1)"));
        f->press(QStringLiteral("Shift+Tab"));
        const auto* pixel = QAccessible::queryAccessibleInterface(QApplication::focusWidget());
        QCOMPARE(pixel->text(QAccessible::Name), spoken);
    }

    void invertAndSwapFollowTheirBoxes() {
        f->click(QStringLiteral("chkInvert"));
        QCOMPARE(columns(), same(QStringLiteral("00000000 &H0 0")));
        f->clickPixel(1);
        QCOMPARE(column(1), QStringLiteral("10000000 &H80 128"));
        f->click(QStringLiteral("chkMSB"));
        QCOMPARE(caption(), QStringLiteral("msb  Binary   lsb"));
        QCOMPARE(column(1), QStringLiteral("00000001 &H1 1"));
        f->click(QStringLiteral("chkInvert"));
        QCOMPARE(column(1), QStringLiteral("11111110 &HFE 254"));
        f->click(QStringLiteral("chkMSB"));
        QCOMPARE(caption(), QStringLiteral("lsb  Binary   msb"));
        QCOMPARE(column(1), QStringLiteral("01111111 &H7F 127"));
    }

    void clearEmptiesBoxesWithoutEncodingAndKeepsOptions() {
        f->click(QStringLiteral("chkMSB"));
        f->clickPixel(5);
        f->find<QLineEdit>(QStringLiteral("txtABC"))->setText(QStringLiteral("A"));
        f->click(QStringLiteral("Command2"));
        QCOMPARE(columns(), same(QStringLiteral("  ")));
        QVERIFY(f->find<QLineEdit>(QStringLiteral("txtABC"))->text().isEmpty());
        QCOMPARE(f->find<PixelButton>(QStringLiteral("cmdPixel(5)"))->colour(),
                 PixelButton::dark());
        QVERIFY(check("chkMSB")->isChecked());
        QCOMPARE(caption(), QStringLiteral("msb  Binary   lsb"));
        f->clickPixel(9); // top of column 2, the bottom bit with Swap on
        QCOMPARE(columns(),
                 QStringList({"11111111 &HFF 255", "11111110 &HFE 254", "11111111 &HFF 255",
                              "11111111 &HFF 255", "11111111 &HFF 255"}));
    }

    void fontsListToggleCoversTheEditor() {
        auto* list = f->find<QGroupBox>(QStringLiteral("fraFONTS"));
        auto* button = f->find<QPushButton>(QStringLiteral("cmdLIST"));
        const QStringList captions{"Hide fonts list", "View fonts list", "Hide fonts list"};
        for (int i = 0; i < 3; ++i) {
            f->click(QStringLiteral("cmdLIST"));
            const bool shown = i % 2 == 0;
            QCOMPARE(button->text(), captions[i]);
            QCOMPARE(list->isVisible(), shown);
            QCOMPARE(f->find<PixelButton>(QStringLiteral("cmdPixel(1)"))->isEnabled(), !shown);
            QCOMPARE(f->find<QPushButton>(QStringLiteral("cmdSAVE"))->isEnabled(), !shown);
            QCOMPARE(f->find<QLineEdit>(QStringLiteral("txtHEX(1)"))->isEnabled(), !shown);
            QVERIFY(f->find<QPushButton>(QStringLiteral("cmdTABLE"))->isEnabled());
            QVERIFY(button->isEnabled());
        }
        // Covered pixels do not take clicks.
        QTest::mouseClick(f->form.get(), Qt::LeftButton, {}, QPoint(22, 30));
        QCOMPARE(f->find<PixelButton>(QStringLiteral("cmdPixel(1)"))->colour(),
                 PixelButton::dark());
        QCOMPARE(list->geometry().topLeft(), QPoint(0, 0));
    }

    void messageAndPrefixBoxesLimitTypedAndPastedText() {
        auto* message = f->find<QLineEdit>(QStringLiteral("txtMSG"));
        auto* prefix = f->find<QLineEdit>(QStringLiteral("txtPrefix"));
        message->clear();
        QTest::keyClicks(message, QString(50, QLatin1Char('x')));
        QCOMPARE(message->text().size(), 42);
        message->clear();
        QGuiApplication::clipboard()->setText(QString(60, QLatin1Char('y')));
        message->paste();
        QCOMPARE(message->text(), QString(42, QLatin1Char('y')));
        prefix->clear();
        prefix->paste();
        QCOMPARE(prefix->text(), QStringLiteral("yy"));
    }
};

QTEST_MAIN(EditorTest)
#include "editor_test.moc"
