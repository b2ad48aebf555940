// Saving glyphs from the window into FONTSDAT.txt, what it asks and tells on
// the way, and the fonts list that mirrors the file.

#include "gui/form_fixture.h"

#include <QDir>
#include <QFile>

namespace {

const QByteArray lineA = "\"A\",\"&H7E\",\"&H11\",\"&H11\",\"&H11\",\"&H7E\"\r\n";
const QByteArray lineB = "\"B\",\"&H7F\",\"&H49\",\"&H49\",\"&H49\",\"&H36\"\r\n";
const QByteArray damaged = lineA + "\"B\",\"&H1\",\"&H2";
const QByteArray undrawn = ",\"&HFF\",\"&HFF\",\"&HFF\",\"&HFF\",\"&HFF\"\r\n"; // after the char
const QString caption = "Propeller Vorlix Generator";
const QString question = "Question Yes|No Yes | Replace Font Data? | The font data is already in "
                         "the list. \r\nWould you like to replace it?";
const QString refused = "Critical Ok Ok | " + caption + " | ";

} // namespace

class LibraryTest : public QObject {
    Q_OBJECT

    std::unique_ptr<FormFixture> f;

    void save(const QString& steps, const QString& ch) {
        CALL(f->act(steps));
        f->setText("txtABC", ch);
        f->act("cmdSAVE");
    }

private slots:
    void cleanup() { f.reset(); }

    void startUpListsEveryRecordInFileOrder() {
        CALL(f = std::make_unique<FormFixture>(lineB + lineA));
        QCOMPARE(f->listLines(), QStringList({"B    =  &H7F,  &H49,  &H49,   &H49,  &H36",
                                              "A    =  &H7E,  &H11,  &H11,   &H11,  &H7E"}));
        QTest::qWait(10);
        QVERIFY(f->shown.isEmpty());
        QCOMPARE(f->library(), lineB + lineA);
    }

    void saveGoesThroughTheWindow_data() {
        QTest::addColumn<QByteArray>("meanwhile"); // lines another program added to lineA
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QString>("ch");
        QTest::addColumn<QByteArray>("after");
        QTest::addColumn<QString>("message"); // the start of the one shown, if any
        const QByteArray x = "\"x\",\"&H7F\",\"&HFF\",\"&HFF\",\"&HFF\",\"&HFF\"\r\n";
        addRow("appends in box order", QByteArray(), "1", "x", lineA + x, "");
        addRow("appends reversed", QByteArray(), "1 chkINVCOLS", "A ",
               lineA + "\"A \",\"&HFF\",\"&HFF\",\"&HFF\",\"&HFF\",\"&H7F\"\r\n", "");
        addRow("replace declined", lineB + lineA, "No", "A", lineA + lineB + lineA, question);
        addRow("replaces the first, not reversed", lineB + lineA, "chkINVCOLS 33 Yes", "A",
               "\"A\",\"&HFF\",\"&HFF\",\"&HFF\",\"&HFF\",\"&H7F\"\r\n" + lineB + lineA, question);
        addRow("asks about a new line", lineB, "No", "B", lineA + lineB, question);
        addRow("appends after a new line", lineB, "", "C", lineA + lineB + "\"C\"" + undrawn, "");
        addRow("Windows-1252", QByteArray(), "", "\u00E9\u20AC", lineA + "\"\xE9\x80\"" + undrawn,
               "");
        addRow("no character", QByteArray(), "3", "", lineA,
               refused + "You must enter a char representing the data you entered!");
        addRow("double quote", QByteArray(), "", "a\"b", lineA,
               refused + "The character \"a\"b\" cannot be saved: ");
        addRow("outside Windows-1252", QByteArray(), "", "\u0416", lineA,
               refused + "The character \"\u0416\" cannot be saved: ");
    }
    void saveGoesThroughTheWindow() {
        QFETCH(QByteArray, meanwhile);
        QFETCH(QString, steps);
        QFETCH(QString, ch);
        QFETCH(QByteArray, after);
        QFETCH(QString, message);
        CALL(f = std::make_unique<FormFixture>(lineA));
        CALL(f->writeLibrary(lineA + meanwhile));
        CALL(save(steps, ch));
        QCOMPARE(f->library(), after);
        QCOMPARE(f->messages().size(), message.isEmpty() ? 0 : 1);
        QCOMPARE(f->messages().value(0).left(message.size()), message);
        // The list is read back from the file; the editor stays for the next save.
        QCOMPARE(f->listLines().size(), after.count('\n'));
        QCOMPARE(f->text("txtABC"), ch);
        QCOMPARE(f->focusName() == "txtABC", ch.isEmpty());
    }

    // Damage is told once, when the window is up; a save that leaves it in
    // place does not tell it again.
    void damageIsToldOnce_data() {
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QString>("ch");
        QTest::addColumn<QByteArray>("after");
        QTest::addColumn<QString>("kind"); // icon, buttons and title of the save's message
        QTest::addColumn<QString>("says");
        addRow("save rewrites it", "", "C", lineA + "\"C\"" + undrawn,
               "Information Ok Ok | " + caption, "FONTSDAT.txt.bak\r\n");
        addRow("replace declined", "No", "A", damaged, question.left(40), "replace it?");
        addRow("write refused", "", "C", damaged, refused + "The glyph could not be saved to",
               "The library file is unchanged.");
    }
    void damageIsToldOnce() {
        QFETCH(QString, steps);
        QFETCH(QString, ch);
        QFETCH(QByteArray, after);
        QFETCH(QString, kind);
        QFETCH(QString, says);
        CALL(f = std::make_unique<FormFixture>(damaged));
        QCOMPARE(f->listLines().size(), 1);
        QTRY_COMPARE(f->shown.size(), 1);
        const QString warning = "Warning Ok Ok | " + caption + " | Reading the font library\r\n" +
                                QDir::toNativeSeparators(f->libraryPath) + "\r\nstopped at line 2";
        QCOMPARE(f->messages()[0].left(warning.size()), warning);
        QCOMPARE(f->library(), damaged); // start-up never writes
        if (QString(QTest::currentDataTag()) == "write refused") {
            QVERIFY(QFile::setPermissions(f->libraryPath, QFileDevice::ReadOwner));
        }
        CALL(save(steps, ch));
        QCOMPARE(f->library(), after);
        QCOMPARE(f->shown.size(), 2);
        QVERIFY2(f->messages()[1].startsWith(kind), qPrintable(f->messages()[1]));
        QVERIFY2(f->shown[1].text.contains(says), qPrintable(f->shown[1].text));
        QCOMPARE(f->listLines().size(), after.count('\n'));
    }

    void unreadableFileStartsEmptyWithAMessage() {
        // A folder where the file should be cannot be read as one.
        CALL(f = std::make_unique<FormFixture>([](const QString& path) { QDir().mkpath(path); }));
        QVERIFY(f->listLines().isEmpty());
        QTRY_COMPARE(f->shown.size(), 1);
        QVERIFY(f->messages()[0].startsWith("Warning Ok Ok | " + caption + " | The font library"));
        QVERIFY(f->shown[0].text.contains("could not be read"));
    }
};

QTEST_MAIN(LibraryTest)
#include "library_test.moc"
