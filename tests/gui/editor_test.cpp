// The editor half of the window: its controls at start-up, pixel clicks and
// keys, the encoding options, Clear, the fonts-list toggle and the one-line
// boxes.

#include "gui/form_fixture.h"

#include <QAccessible>
#include <QCheckBox>
#include <QClipboard>
#include <QLineEdit>

namespace {

const QString blank = "........ ........ ........ ........ ........";

QString spoken(QWidget* widget) {
    return QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name);
}

} // namespace

class EditorTest : public QObject {
    Q_OBJECT

    std::unique_ptr<FormFixture> f;

    // The boxes of the five columns, "binary hex decimal" each.
    QStringList columns() const {
        QStringList all;
        for (const QString k : {"1", "2", "3", "4", "5"}) {
            all << f->text("col(" + k + ")") + ' ' + f->text("txtHEX(" + k + ")") + ' ' +
                       f->text("txtDec(" + k + ")");
        }
        return all;
    }

private slots:
    void init() { CALL(f = std::make_unique<FormFixture>()); }
    void cleanup() { f.reset(); }

    void startsBlank() {
        QCOMPARE(f->form->windowTitle(), "Propeller Vorlix Generator");
        QCOMPARE(f->form->size(), QSize(490, 435));
        QVERIFY(!f->form->windowIcon().isNull());
        QCOMPARE(f->editorDots(), blank);
        QCOMPARE(f->previewDots(), blank);
        QCOMPARE(columns(), QStringList(5, "  "));
        for (QCheckBox* box : f->form->findChildren<QCheckBox*>()) {
            QVERIFY2(!box->isChecked(), qPrintable(box->objectName()));
        }
        QVERIFY(f->find("fraFONTS")->isHidden());
        QCOMPARE(f->find("txtABC")->toolTip(),
                 "Enter Char here that represents the font data created.");
        QVERIFY(f->shown.isEmpty());
    }

    // Rectangles are the layout's twips over 15, worked out by hand; names
    // are what a screen reader speaks, where the test gives one.
    void controlsAtStartUp_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QRect>("geometry");
        QTest::addColumn<QString>("spoken");
        addRow("cmdPixel(1)", "", QRect(8, 16, 13, 13), "column 1, row 1, dark");
        addRow("cmdPixel(13)", "", QRect(24, 80, 13, 13), "column 2, row 5, dark");
        addRow("cmdPixel(40)", "", QRect(72, 128, 13, 13), "column 5, row 8, dark");
        addRow("cmdPIX(39)", "", QRect(72, 128, 13, 13), "column 5, row 8, dark");
        addRow("Label1(0)", "lsb  Binary  msb", QRect(128, 0, 73, 13), QString());
        addRow("col(3)", "", QRect(104, 64, 113, 19), QString());
        addRow("txtDec(5)", "", QRect(304, 112, 49, 19), QString());
        addRow("chkInvert", "Invert &Bits", QRect(368, 16, 105, 17), "Invert Bits");
        addRow("chkINVCOLS", "Invert Columns in &file", QRect(368, 40, 105, 25), QString());
        addRow("chkMSB", "&Swap MSB/ LSB", QRect(368, 72, 105, 25), QString());
        addRow("txtABC", "", QRect(64, 160, 33, 19), "CHAR:");
        addRow("cmdSAVE", "&Append to file", QRect(104, 160, 249, 17), QString());
        addRow("Command2", "&Clear Font Data", QRect(360, 160, 113, 17), QString());
        addRow("cmdLIST", "View Font &List", QRect(360, 192, 121, 17), QString());
        addRow("txtMSG", "Hello World!", QRect(8, 208, 345, 25), "Message Editor");
        addRow("txtDATA", "", QRect(8, 240, 345, 169), QString());
        addRow("chkBLANK", "Add blank Column after each Char.", QRect(360, 240, 121, 33),
               QString());
        addRow("txtPrefix", "0x", QRect(416, 280, 25, 19), "Hex Prefix");
        addRow("cmdTABLE", "Convert &Text", QRect(360, 368, 121, 17), QString());
        addRow("Command1", "Copy Data to Clipboard", QRect(360, 392, 121, 17), QString());
        addRow("fraFONTS", "", QRect(0, 0, 481, 185), QString());
        addRow("lstFONTS", "", QRect(8, 16, 361, 160), QString());
    }
    void controlsAtStartUp() {
        QFETCH(QString, text);
        QFETCH(QRect, geometry);
        QFETCH(QString, spoken);
        QWidget* widget = f->find(QTest::currentDataTag());
        QVERIFY(widget);
        QCOMPARE(f->text(QTest::currentDataTag()), text);
        QCOMPARE(widget->geometry(), geometry);
        if (!spoken.isNull()) {
            QCOMPARE(::spoken(widget), spoken);
        }
    }

    // Every column's boxes show its byte as binary, &H-hex and decimal.
    void clicksFillTheBoxes_data() {
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QString>("bytes"); // hex, columns 1 to 5; none: boxes empty
        QTest::addColumn<QString>("caption");
        const QString lsb = "lsb  Binary  msb";
        const QString msb = "msb  Binary   lsb";
        addRow("top left", "1", "7F FF FF FF FF", lsb);
        addRow("corners", "1 40", "7F FF FF FF FE", lsb);
        addRow("twice", "1 40 40 1", "FF FF FF FF FF", lsb);
        addRow("invert", "chkInvert", "0 0 0 0 0", lsb);
        addRow("invert, draw", "chkInvert 1", "80 0 0 0 0", lsb);
        addRow("swap", "chkInvert 1 chkMSB", "1 0 0 0 0", msb);
        addRow("invert off", "chkInvert 1 chkMSB chkInvert", "FE FF FF FF FF", msb);
        // Swap's caption comes back with one blank more than at start-up.
        addRow("swap off", "chkInvert 1 chkMSB chkInvert chkMSB", "7F FF FF FF FF",
               "lsb  Binary   msb");
        addRow("clear", "chkMSB 5 Command2", "", msb);
        addRow("clear keeps swap", "chkMSB 5 Command2 9", "FF FE FF FF FF", msb);
    }
    void clicksFillTheBoxes() {
        QFETCH(QString, steps);
        QFETCH(QString, bytes);
        QFETCH(QString, caption);
        f->setText("txtABC", "A");
        CALL(f->act(steps));
        QStringList expected(5, "  ");
        for (int k = 0; k < 5 && !bytes.isEmpty(); ++k) {
            const QString hex = bytes.split(' ')[k];
            const int byte = hex.toInt(nullptr, 16);
            expected[k] = QString::number(byte, 2).rightJustified(8, '0') + " &H" + hex + ' ' +
                          QString::number(byte);
        }
        QCOMPARE(columns(), expected);
        QCOMPARE(f->text("Label1(0)"), caption);
        QCOMPARE(f->text("txtABC").isEmpty(), steps.contains("Command2"));
    }

    void keysDrawAsClicksDo_data() {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("dots");
        QTest::addColumn<QString>("spoken"); // the pixel left with focus
        const auto times = [](const char* key, int n) { return QString(key).repeated(n); };
        addRow("corners",
               "Space " + times("Down ", 7) + "Space " + times("Right ", 4) + "Space " +
                   times("Up ", 7) + "Space",
               "X......X ........ ........ ........ X......X", "column 5, row 1, lit");
        addRow("edges stop",
               "Up Left " + times("Right ", 6) + "Space " + times("Down ", 9) + "Space",
               "........ ........ ........ ........ X......X", "column 5, row 8, lit");
        addRow("twice", "Down Right Space Space", blank, "column 2, row 2, dark");
    }
    void keysDrawAsClicksDo() {
        QFETCH(QString, keys);
        QFETCH(QString, dots);
        QFETCH(QString, spoken);
        f->find("Command1")->setFocus();
        CALL(f->press("Tab")); // round to the first stop
        QCOMPARE(f->focusName(), "cmdPixel(1)");
        CALL(f->press(keys));
        QCOMPARE(f->editorDots(), dots);
        QVERIFY(!f->text("txtHEX(1)").isEmpty()); // Space converts as a click does
        CALL(f->press("Tab"));                    // the grid is one stop, and keeps its place
        QCOMPARE(f->focusName(), "col(1)");
        CALL(f->press("Shift+Tab"));
        QCOMPARE(::spoken(QApplication::focusWidget()), spoken);
    }

    void fontsListToggleCoversTheEditor() {
        for (const QString caption : {"Hide fonts list", "View fonts list", "Hide fonts list"}) {
            CALL(f->act("cmdLIST"));
            const bool listShown = caption.startsWith("Hide");
            QCOMPARE(f->text("cmdLIST"), caption);
            QCOMPARE(f->find("fraFONTS")->isVisible(), listShown);
            QCOMPARE(f->find("cmdSAVE")->isEnabled(), !listShown);
            QCOMPARE(f->find("txtHEX(1)")->isEnabled(), !listShown);
            QVERIFY(f->find("cmdTABLE")->isEnabled());
        }
        QTest::mouseClick(f->form.get(), Qt::LeftButton, {}, QPoint(22, 30));
        QCOMPARE(f->editorDots(), blank); // covered pixels take no clicks
    }

    // A pasted line break would end the table's comment line and hand the
    // rest to the assembler as code.
    void boxesKeepPastedTextOnOneLineAndShort_data() {
        QTest::addColumn<QString>("pasted");
        QTest::addColumn<QString>("kept");
        addRow("txtMSG breaks", "A\r\nB\n\x0B", "A B  ");
        addRow("txtMSG limit", QString(60, 'y'), QString(42, 'y'));
        addRow("txtPrefix breaks", "\nB", " B");
        addRow("txtPrefix limit", "A\r\nB", "A ");
    }
    void boxesKeepPastedTextOnOneLineAndShort() {
        QFETCH(QString, pasted);
        QFETCH(QString, kept);
        QGuiApplication::clipboard()->setText(pasted);
        auto* box = f->find<QLineEdit>(QString(QTest::currentDataTag()).section(' ', 0, 0));
        box->clear();
        box->paste();
        QCOMPARE(box->text(), kept);
    }
};

QTEST_MAIN(EditorTest)
#include "editor_test.moc"
