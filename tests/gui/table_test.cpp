// The preview of a picked list line, the message table and the clipboard.

#include "gui/form_fixture.h"

#include <QClipboard>
#include <QListView>
#include <QPlainTextEdit>

namespace {

const QByteArray library = "\"A\",\"&H7E\",\"&H9\",\"&H9\",\"&H9\",\"&H7E\"\r\n"
                           "\"B\",\"&H7F\",\"&H49\",\"&H49\",\"&H49\",\"&H36\"\r\n"
                           "\"x\",\"&H7E\",\"&H0\",\"&HFF\",\"&H1\",\"&H80\"\r\n"
                           "\" \",\"&HFF\",\"&HFF\",\"&HFF\",\"&HFF\",\"&HFF\"\r\n"
                           "\"x\",\"&H0\",\"&H0\",\"&H0\",\"&H0\",\"&H0\"\r\n"
                           "\"A B\",\"&HF0\",\"&HF0\",\"&HF0\",\"&HF0\",\"&HF0\"\r\n";
const QString blank = "........ ........ ........ ........ ........";
const QString head = ";AB?\n;Total Columns = ";
const QString rowA = "       dt  0x7E,  0x9,   0x9,   0x9,   0x7E";
const QString rowB = "       dt  0x7F,  0x49,   0x49,   0x49,   0x36";
const QString empty = "       dt  0x,  0x,   0x,   0x,   0x";

} // namespace

class TableTest : public QObject {
    Q_OBJECT

    std::unique_ptr<FormFixture> f;

private slots:
    void init() {
        CALL(f = std::make_unique<FormFixture>(library));
        f->act("cmdLIST");
    }
    void cleanup() { f.reset(); }

    void pickedLineShowsItsOwnRecord_data() {
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("dots");
        addRow("mixed columns", 2, "X......X XXXXXXXX ........ XXXXXXX. .XXXXXXX");
        addRow("space", 3, blank);
        addRow("second of two x", 4, "XXXXXXXX XXXXXXXX XXXXXXXX XXXXXXXX XXXXXXXX");
        addRow("A B, not A", 5, "....XXXX ....XXXX ....XXXX ....XXXX ....XXXX");
    }
    void pickedLineShowsItsOwnRecord() {
        QFETCH(int, row);
        QFETCH(QString, dots);
        auto* list = f->find<QListView>("lstFONTS");
        for (const int picked : {0, row}) { // another line first, so stale dots would show
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                              list->visualRect(list->model()->index(picked, 0)).center());
        }
        QCOMPARE(f->previewDots(), dots);
        QCOMPARE(f->editorDots(), blank); // the preview leaves the editor alone
        QVERIFY(f->text("txtHEX(1)").isEmpty());
    }

    // The preview follows the selection, not the focus; Tab leaves the table.
    void keysMoveOnAndPick_data() { // tags: where the focus starts, then the keys
        QTest::addColumn<QString>("next");
        QTest::addColumn<QString>("dots");
        addRow("Command1 Tab", "lstFONTS", blank);
        addRow("Command1 Tab Down", "lstFONTS", "X....... X.XX.XX. X.XX.XX. X.XX.XX. XX..X..X");
        addRow("txtDATA Tab", "chkBLANK", blank);
        addRow("txtDATA Shift+Tab", "txtMSG", blank);
    }
    void keysMoveOnAndPick() {
        QFETCH(QString, next);
        QFETCH(QString, dots);
        const QString tag = QTest::currentDataTag();
        f->find(tag.section(' ', 0, 0))->setFocus();
        CALL(f->act(tag.section(' ', 1)));
        QCOMPARE(f->focusName(), next);
        QCOMPARE(f->previewDots(), dots);
        QVERIFY(f->text("txtDATA").isEmpty());
    }

    void convertShowsTheTableAfreshOnEveryClick() {
        f->setText("txtMSG", "AB?");
        for (int k = 0; k < 2; ++k) {
            CALL(f->act("cmdTABLE"));
            QCOMPARE(f->text("txtDATA"), head + "15\n" + rowA + '\n' + rowB + '\n' + empty);
        }
        f->setText("txtPrefix", "$");
        CALL(f->act("chkBLANK cmdTABLE"));
        QCOMPARE(f->text("txtDATA"), head + "18\n       dt  $7E,  $9,   $9,   $9,   $7E,   $FF\n"
                                            "       dt  $7F,  $49,   $49,   $49,   $36,   $FF\n"
                                            "       dt  $,  $,   $,   $,   $,   $FF");
    }

    void copyPutsTheTableOnTheClipboard_data() {
        QTest::addColumn<QString>("message"); // converted first unless null
        QTest::addColumn<QString>("edit");
        QTest::addColumn<QString>("copied");
        addRow("table as made", "AB", "", ";AB\r\n;Total Columns = 10\r\n" + rowA + "\r\n" + rowB);
        addRow("no-break space kept", "\u00A0", "", ";\u00A0\r\n;Total Columns = 5\r\n" + empty);
        addRow("user's edit", "A", "one\ntwo", "one\r\ntwo");
        addRow("nothing converted", QString(), "", "kept");
    }
    void copyPutsTheTableOnTheClipboard() {
        QFETCH(QString, message);
        QFETCH(QString, edit);
        QFETCH(QString, copied);
        QGuiApplication::clipboard()->setText("kept");
        f->setText("txtMSG", message);
        CALL(f->act(message.isNull() ? "" : "cmdTABLE"));
        if (!edit.isEmpty()) { // over the whole table, as a paste would
            f->find<QPlainTextEdit>("txtDATA")->selectAll();
            f->find<QPlainTextEdit>("txtDATA")->insertPlainText(edit);
        }
        CALL(f->act("Command1"));
        QCOMPARE(QGuiApplication::clipboard()->text(), copied);
        QCOMPARE(f->messages(),
                 QStringList{message.isNull()
                                 ? "Information Ok Ok | Propeller Vorlix Generator | You must "
                                   "convert the typed text first,\r\nBefore you can copy it to "
                                   "the system clipboard."
                                 : "NoIcon Ok Ok | Propeller Vorlix Generator | The data has been "
                                   "copied to the system clipboard."});
    }
};

QTEST_MAIN(TableTest)
#include "table_test.moc"
