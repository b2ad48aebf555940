// The editor half of the window: its controls at start-up, pixel clicks and
// keys, the encoding options, Clear, the fonts-list toggle and the one-line
// boxes.

#include "gui/form_fixture.h"
#include "ui/firmware_dialogs.h"

#include <QAccessible>
#include <QClipboard>

namespace {

const QString blank = "........ ........ ........ ........ ........";

QString spoken(QWidget* widget) {
    return QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name);
}

} // namespace

class EditorTest : public QObject {
    Q_OBJECT

    std::unique_ptr<FormFixture> f;
    QTemporaryDir config; // the spin preview's and the dialogs' settings

private slots:
    void initTestCase() { qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit()); }
    void init() { CALL(f = std::make_unique<FormFixture>()); }
    void cleanup() { f.reset(); }

    // Blank boxes and grid and a hidden list at start-up show in the tests
    // below, which start from them.
    void windowTitleSizeIconAndTip() {
        QCOMPARE(f->form->windowTitle(), "Propeller Vorlix Generator");
        QCOMPARE(f->form->size(), QSize(490, 435));
        QVERIFY(!f->form->windowIcon().isNull());
        QCOMPARE(f->find("txtABC")->toolTip(),
                 "Enter Char here that represents the font data created.");
    }

    // Rectangles are the layout's twips over 15, worked out by hand; names are
    // what a screen reader speaks, where given.
    void controlsAtStartUp_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QRect>("geometry");
        QTest::addColumn<QString>("spoken");
        addRow("cmdPixel(1)", "", QRect(8, 16, 13, 13), "column 1, row 1, dark");
        addRow("cmdPixel(40)", "", QRect(72, 128, 13, 13), "column 5, row 8, dark");
        addRow("cmdPIX(39)", "", QRect(72, 128, 13, 13), "column 5, row 8, dark");
        addRow("Label1(0)", "lsb  Binary  msb", QRect(128, 0, 73, 13), QString());
        addRow("col(3)", "", QRect(104, 64, 113, 19), QString());
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
        QCOMPARE(f->text(QTest::currentDataTag()), text); // fails first if there is none
        QCOMPARE(widget->geometry(), geometry);
        if (!spoken.isNull()) {
            QCOMPARE(::spoken(widget), spoken);
        }
    }

    void clicksFillTheBoxes_data() {
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QString>("hex"); // of the five columns
        QTest::addColumn<QString>("caption");
        const QString lsb = "lsb  Binary  msb";
        const QString msb = "msb  Binary   lsb";
        addRow("draw", "1", "&H7F &HFF &HFF &HFF &HFF", lsb);
        addRow("invert, draw", "chkInvert 1", "&H80 &H0 &H0 &H0 &H0", lsb);
        addRow("swap", "chkInvert 1 chkMSB", "&H1 &H0 &H0 &H0 &H0", msb);
        addRow("invert off", "chkInvert 1 chkMSB chkInvert", "&HFE &HFF &HFF &HFF &HFF", msb);
        // Swap's caption comes back with one blank more than at start-up.
        addRow("swap off", "chkInvert 1 chkMSB chkInvert chkMSB", "&H7F &HFF &HFF &HFF &HFF",
               "lsb  Binary   msb");
        addRow("clear", "chkMSB 5 Command2", "    ", msb);
        addRow("clear keeps swap", "chkMSB 5 Command2 9", "&HFF &HFE &HFF &HFF &HFF", msb);
    }
    void clicksFillTheBoxes() {
        QFETCH(QString, steps);
        QFETCH(QString, hex);
        QFETCH(QString, caption);
        f->setText("txtABC", "A");
        CALL(f->act(steps));
        QStringList boxes;
        for (const char* k : {"(1)", "(2)", "(3)", "(4)", "(5)"}) {
            boxes << f->text(QString("txtHEX") + k);
        }
        QCOMPARE(boxes.join(' '), hex);
        QCOMPARE(f->text("col(1)").isEmpty(), hex.startsWith(' '));
        QCOMPARE(f->text("Label1(0)"), caption);
        QCOMPARE(f->text("txtABC").isEmpty(), steps.contains("Command2")); // Clear empties it
    }

    void keysDrawAsClicksDo() {
        f->find("Command1")->setFocus();
        CALL(f->act("Tab")); // round to the first stop
        QCOMPARE(f->focusName(), "cmdPixel(1)");
        // Arrows stop at the edges; Space clicks, twice undoes.
        const QString rightDown = QString("Right ").repeated(6) + QString("Down ").repeated(9);
        CALL(f->act("Up Left Space Down Right Space Space " + rightDown + "Space"));
        QCOMPARE(f->editorDots(), "X....... ........ ........ ........ .......X");
        QCOMPARE(f->text("col(5)") + f->text("txtHEX(5)") + f->text("txtDec(5)"),
                 "11111110&HFE254"); // Space converts as a click does
        CALL(f->act("Tab"));         // the grid is one stop, and keeps its place
        QCOMPARE(f->focusName(), "col(1)");
        CALL(f->act("Shift+Tab"));
        QCOMPARE(spoken(QApplication::focusWidget()), "column 5, row 8, lit");
    }

    // A press and a drag paint every dot passed with the pressed dot's new
    // state, as one undo step; a press released inside its dot is one click.
    void dragPaintsOneStroke_data() {
        QTest::addColumn<QString>("drawn"); // clicked first
        QTest::addColumn<QString>("path"); // pressed, moved to (a corner +, below v), released
        QTest::addColumn<QString>("dots");
        addRow("click", "", "1 1", "X....... ........ ........ ........ ........");
        addRow("wiggle in the dot", "", "1 1+ 1", "X....... ........ ........ ........ ........");
        addRow("fast along the top row", "", "1 33",
               "X....... X....... X....... X....... X.......");
        addRow("out and back", "", "1 9 1", "X....... X....... ........ ........ ........");
        addRow("from a lit dot", "1 9 17", "9 1", "........ ........ X....... ........ ........");
        addRow("down past the bottom", "", "6 8 8v", ".....XXX ........ ........ ........ ........");
    }
    void dragPaintsOneStroke() {
        QFETCH(QString, drawn);
        QFETCH(QString, path);
        CALL(f->act(drawn));
        const QString before = f->editorDots();
        // The pressed dot has the mouse until the release, as on a screen.
        QWidget* pressed = f->find("cmdPixel(" + path.section(' ', 0, 0) + ")");
        const auto at = [&](QString name) {
            const bool corner = name.endsWith('+');
            const bool below = name.endsWith('v');
            const auto* dot = f->find("cmdPixel(" + name.remove('+').remove('v') + ")");
            return pressed->mapFromGlobal(dot->mapToGlobal(
                corner ? QPoint(1, 1) : dot->rect().center() + QPoint(0, below ? 40 : 0)));
        };
        const QStringList steps = path.split(' ');
        QTest::mousePress(pressed, Qt::LeftButton, {}, at(steps.first()));
        for (const QString& step : steps.mid(1)) {
            QTest::mouseMove(pressed, at(step));
        }
        QTest::mouseRelease(pressed, Qt::LeftButton, {}, at(steps.last()));
        QTEST(f->editorDots(), "dots");
        CALL(f->act("Ctrl+Z"));
        QCOMPARE(f->editorDots(), before);
    }

    // Every control of the window, the spin preview and the firmware dialogs
    // says what it does, to the eye and to screen readers alike.
    void everyControlIsExplained() {
        f->find("txtMSG")->setFocus();
        CALL(f->act("F5"));
        const vorlix::FontTable none;
        const vorlix::FontExportDialog exporting([&]() -> const vorlix::FontTable& { return none; },
                                                 {}, {});
        const vorlix::TableImportDialog importing({});
        QStringList seen;
        QStringList unexplained;
        const QWidget* windows[] = {f->form.get(), f->form->findChild<QWidget*>("SpinPreview"),
                                    &exporting, &importing};
        for (const QWidget* window : windows) {
            for (const QWidget* control : window->findChildren<QWidget*>()) {
                const QString name = control->objectName();
                if (control->isWindow() || name.isEmpty() || name.startsWith("qt_") ||
                    name == "editorRegion" || name == "Line1") {
                    continue;
                }
                seen << name;
                if (control->toolTip().isEmpty() ||
                    control->accessibleDescription() != control->toolTip()) {
                    unexplained << name;
                }
            }
        }
        QCOMPARE(unexplained.join(' '), QString());
        for (const char* name : {"cmdPIX(39)", "Label2", "saved", "proportional", "replace"}) {
            QVERIFY2(seen.contains(name), name);
        }
    }

    // The check boxes' tips give an example; it holds.
    void fontsListToggleCoversTheEditor() {
        for (const QString caption : {"Hide fonts list", "View fonts list", "Hide fonts list"}) {
            CALL(f->act("cmdLIST"));
            const bool listShown = caption.startsWith("Hide");
            QCOMPARE(f->text("cmdLIST"), caption);
            QCOMPARE(f->find("fraFONTS")->isVisible(), listShown);
            QCOMPARE(f->find("cmdSAVE")->isEnabled(), !listShown);
            QVERIFY(f->find("cmdTABLE")->isEnabled());
        }
        QVERIFY(f->find("fraFONTS")->isAncestorOf(f->form->childAt(22, 30))); // over the grid
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
        const QString box = QString(QTest::currentDataTag()).section(' ', 0, 0);
        f->setText(box, "");
        QMetaObject::invokeMethod(f->find(box), "paste");
        QCOMPARE(f->text(box), kept);
    }
};

QTEST_MAIN(EditorTest)
#include "editor_test.moc"
