// The preview of a picked list line, the message table and the clipboard.

#include "gui/form_fixture.h"
#include "ui/pixel_button.h"

#include <QCheckBox>
#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QListView>
#include <QPlainTextEdit>
#include <QTest>

using vorlix::PixelButton;

namespace {

const QByteArray library = "\"A\",\"&H7E\",\"&H9\",\"&H9\",\"&H9\",\"&H7E\"\r\n"
                           "\"B\",\"&H7F\",\"&H49\",\"&H49\",\"&H49\",\"&H36\"\r\n"
                           "\"x\",\"&H7E\",\"&H0\",\"&HFF\",\"&H1\",\"&H80\"\r\n"
                           "\" \",\"&HFF\",\"&HFF\",\"&HFF\",\"&HFF\",\"&HFF\"\r\n"
                           "\"x\",\"&H0\",\"&H0\",\"&H0\",\"&H0\",\"&H0\"\r\n"
                           "\"A B\",\"&HF0\",\"&HF0\",\"&HF0\",\"&HF0\",\"&HF0\"\r\n";

} // namespace

class TableTest : public QObject {
    Q_OBJECT

    std::unique_ptr<FormFixture> f;

    void pick(int row) const {
        auto* list = f->find<QListView>(QStringLiteral("lstFONTS"));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualRect(list->model()->index(row, 0)).center());
    }
    // The 40 preview dots as five column texts, top to bottom, 'X' lit.
    QString preview() const {
        QString text;
        for (int i = 0; i < 40; ++i) {
            if (i > 0 && i % 8 == 0) {
                text += ' ';
            }
            const auto* dot = f->find<PixelButton>(QStringLiteral("cmdPIX(%1)").arg(i));
            text += dot->colour() == PixelButton::lit() ? 'X' : '.';
        }
        return text;
    }
    QString table() const {
        return f->find<QPlainTextEdit>(QStringLiteral("txtDATA"))->toPlainText();
    }
    void type(const char* box, const QString& text) const {
        f->find<QLineEdit>(QLatin1String(box))->setText(text);
    }

private slots:
    void init() {
        f = std::make_unique<FormFixture>(library);
        f->click(QStringLiteral("cmdLIST"));
    }
    void cleanup() { f.reset(); }

    void pickedLineShowsItsOwnRecord_data() {
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("dots");
        QTest::newRow("example record") << 2 << "X......X XXXXXXXX ........ XXXXXXX. .XXXXXXX";
        QTest::newRow("space") << 3 << "........ ........ ........ ........ ........";
        QTest::newRow("second of two x") << 4 << "XXXXXXXX XXXXXXXX XXXXXXXX XXXXXXXX XXXXXXXX";
        QTest::newRow("A B, not A") << 5 << "....XXXX ....XXXX ....XXXX ....XXXX ....XXXX";
    }
    void pickedLineShowsItsOwnRecord() {
        QFETCH(int, row);
        QFETCH(QString, dots);
        pick(0); // something else first, so stale dots would show
        pick(row);
        QCOMPARE(preview(), dots);
    }

    void previewFollowsTheSelectionNotTheFocus_data() {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("dots");
        QTest::newRow("focus alone") << ""
                                     << "........ ........ ........ ........ ........";
        QTest::newRow("Down picks") << "Down"
                                    << "X....... X.XX.XX. X.XX.XX. X.XX.XX. XX..X..X";
    }
    void previewFollowsTheSelectionNotTheFocus() {
        QFETCH(QString, keys);
        QFETCH(QString, dots);
        f->find<QWidget>(QStringLiteral("Command1"))->setFocus();
        f->press(QStringLiteral("Tab ") + keys);
        QCOMPARE(f->focusName(), QStringLiteral("lstFONTS"));
        QCOMPARE(preview(), dots);
    }

    void previewLeavesTheEditorAlone() {
        pick(2);
        QCOMPARE(f->find<PixelButton>(QStringLiteral("cmdPixel(1)"))->colour(),
                 PixelButton::dark());
        QVERIFY(f->find<QLineEdit>(QStringLiteral("txtHEX(1)"))->text().isEmpty());
    }

    void tabLeavesTheTableBox_data() {
        QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
        QTest::addColumn<QString>("next");
        QTest::newRow("Tab") << Qt::KeyboardModifiers() << "chkBLANK";
        QTest::newRow("Shift+Tab") << Qt::KeyboardModifiers(Qt::ShiftModifier) << "txtMSG";
    }
    void tabLeavesTheTableBox() {
        QFETCH(Qt::KeyboardModifiers, modifiers);
        QFETCH(QString, next);
        auto* box = f->find<QPlainTextEdit>(QStringLiteral("txtDATA"));
        box->setFocus();
        QTest::keyClick(box, Qt::Key_Tab, modifiers);
        QCOMPARE(f->focusName(), next);
        QVERIFY(table().isEmpty());
    }

    void convertWritesTheTableAndRepeatsIt() {
        type("txtMSG", QStringLiteral("AB?"));
        f->click(QStringLiteral("cmdTABLE"));
        const QString expected = ";AB?\n;Total Columns = 15\n"
                                 "       dt  0x7E,  0x9,   0x9,   0x9,   0x7E\n"
                                 "       dt  0x7F,  0x49,   0x49,   0x49,   0x36\n"
                                 "       dt  0x,  0x,   0x,   0x,   0x";
        QCOMPARE(table(), expected);
        f->click(QStringLiteral("cmdTABLE"));
        QCOMPARE(table(), expected);
        f->click(QStringLiteral("chkBLANK"));
        type("txtPrefix", QStringLiteral("$"));
        f->click(QStringLiteral("cmdTABLE"));
        QVERIFY(table().startsWith(
            ";AB?\n;Total Columns = 18\n       dt  $7E,  $9,   $9,   $9,   $7E,   $FF\n"));
    }

    void pastedLineBreaksBecomeSpaces() {
        QGuiApplication::clipboard()->setText(QStringLiteral("A\r\nB\n"));
        for (const char* name : {"txtMSG", "txtPrefix"}) {
            auto* box = f->find<QLineEdit>(QLatin1String(name));
            box->clear();
            box->paste();
        }
        f->click(QStringLiteral("cmdTABLE"));
        const QStringList lines = table().split(QLatin1Char('\n'));
        QCOMPARE(lines.size(), 6);
        QCOMPARE(lines[0], QStringLiteral(";A B "));
        for (const QString& line : lines.mid(2)) {
            QVERIFY2(line.startsWith(QStringLiteral("       dt  A ")), qPrintable(line));
        }
    }

    void copyPutsTheExactTableOnTheClipboard() {
        type("txtMSG", QStringLiteral("AB"));
        f->click(QStringLiteral("cmdTABLE"));
        f->click(QStringLiteral("Command1"));
        QCOMPARE(QGuiApplication::clipboard()->text(),
                 QStringLiteral(
                     ";AB\r\n;Total Columns = 10\r\n       dt  0x7E,  0x9,   0x9,   0x9,   0x7E\r\n"
                     "       dt  0x7F,  0x49,   0x49,   0x49,   0x36"));
        QCOMPARE(f->shown.size(), 1);
        QCOMPARE(f->shown[0].title, QStringLiteral("Propeller Vorlix Generator"));
        QCOMPARE(f->shown[0].text,
                 QStringLiteral("The data has been copied to the system clipboard."));
        QCOMPARE(f->shown[0].icon, QMessageBox::NoIcon);
        QCOMPARE(f->shown[0].buttons, QMessageBox::Ok);
    }

    void copyTakesWhatTheUserEdited() {
        type("txtMSG", QStringLiteral("A"));
        f->click(QStringLiteral("cmdTABLE"));
        auto* box = f->find<QPlainTextEdit>(QStringLiteral("txtDATA"));
        box->selectAll();
        QTest::keyClicks(box, QStringLiteral("one"));
        QTest::keyClick(box, Qt::Key_Return);
        QTest::keyClicks(box, QStringLiteral("two"));
        f->click(QStringLiteral("Command1"));
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("one\r\ntwo"));
    }

    void copyKeepsCharactersTheBoxWouldChange() {
        type("txtMSG", QStringLiteral("A\u00A0B"));
        f->click(QStringLiteral("cmdTABLE"));
        f->click(QStringLiteral("Command1"));
        QVERIFY(QGuiApplication::clipboard()->text().startsWith(QStringLiteral(";A\u00A0B\r\n")));
    }

    void emptyBoxIsRefusedAndClipboardKept() {
        QGuiApplication::clipboard()->setText(QStringLiteral("kept"));
        f->click(QStringLiteral("Command1"));
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("kept"));
        QCOMPARE(f->shown.size(), 1);
        QCOMPARE(f->shown[0].text,
                 QStringLiteral("You must convert the typed text first,\r\n"
                                "Before you can copy it to the system clipboard."));
        QCOMPARE(f->shown[0].icon, QMessageBox::Information);
        QCOMPARE(f->shown[0].title, QStringLiteral("Propeller Vorlix Generator"));
    }
};

QTEST_MAIN(TableTest)
#include "table_test.moc"
