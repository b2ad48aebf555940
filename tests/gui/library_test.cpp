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
const QString caption = " | Propeller Vorlix Generator | ";
const QString question = "Question Yes|No Yes | Replace Font Data? | The font data is already in "
                         "the list. \r\nWould you like to replace it?";
const QString refused = "Critical Ok Ok" + caption;
const QString warning = "Warning Ok Ok" + caption +
                        "Reading the font library\r\n%1\r\nstopped at "
                        "line 2: ";

} // namespace

class LibraryTest : public QObject {
    Q_OBJECT

    std::unique_ptr<FormFixture> f;

private slots:
    void cleanup() { f.reset(); }

    void startUpListsEveryRecordInFileOrder() {
        CALL(f = std::make_unique<FormFixture>(lineB + lineA));
        QCOMPARE(f->listLines(), QStringList({"B    =  &H7F,  &H49,  &H49,   &H49,  &H36",
                                              "A    =  &H7E,  &H11,  &H11,   &H11,  &H7E"}));
    }

    void saveGoesThroughTheWindow_data() {
        QTest::addColumn<QByteArrayList>("before"); // at start-up, then from another program
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QString>("ch");
        QTest::addColumn<QByteArray>("after");
        QTest::addColumn<QStringList>("told"); // how each message starts; %1 is the library
        const QByteArray aba = lineA + lineB + lineA;
        addRow("appends in box order", QByteArrayList{lineA}, "1", "x",
               lineA + "\"x\",\"&H7F\",\"&HFF\",\"&HFF\",\"&HFF\",\"&HFF\"\r\n", QStringList());
        addRow("appends reversed", QByteArrayList{lineA}, "1 chkINVCOLS", "A ",
               lineA + "\"A \",\"&HFF\",\"&HFF\",\"&HFF\",\"&HFF\",\"&H7F\"\r\n", QStringList());
        addRow("replace declined", QByteArrayList{aba}, "No", "A", aba, QStringList{question});
        addRow("replaces the first, not reversed", QByteArrayList{aba}, "chkINVCOLS 33 Yes", "A",
               "\"A\",\"&HFF\",\"&HFF\",\"&HFF\",\"&HFF\",\"&H7F\"\r\n" + lineB + lineA,
               QStringList{question});
        addRow("asks about a line another program added", QByteArrayList{lineA, lineA + lineB},
               "No", "B", lineA + lineB, QStringList{question});
        addRow("appends after a line another program added", QByteArrayList{lineA, lineA + lineB},
               "", "C", lineA + lineB + "\"C\"" + undrawn, QStringList());
        addRow("Windows-1252", QByteArrayList{lineA}, "", "\u00E9\u20AC",
               lineA + "\"\xE9\x80\"" + undrawn, QStringList());
        addRow("no character", QByteArrayList{lineA}, "3", "", lineA,
               QStringList{refused + "You must enter a char representing the data you entered!"});
        addRow("double quote", QByteArrayList{lineA}, "", "a\"b", lineA,
               QStringList{refused + "The character \"a\"b\" cannot be saved: "});
        addRow("outside Windows-1252", QByteArrayList{lineA}, "", "\u0416", lineA,
               QStringList{refused + "The character \"\u0416\" cannot be saved: "});
        // Damage is told once, when the window is up, and not again by a save
        // that leaves it in place.
        addRow("damage rewritten", QByteArrayList{damaged}, "", "C", lineA + "\"C\"" + undrawn,
               QStringList{warning, "Information Ok Ok" + caption +
                                        "Part of %1 could not be "
                                        "read (line 2: "});
        addRow("damage kept, replace declined", QByteArrayList{damaged}, "No", "A", damaged,
               QStringList{warning, question});
        addRow("damage kept, file read-only", QByteArrayList{damaged}, "", "C", damaged,
               QStringList{warning, refused +
                                        "The glyph could not be saved to\r\n%1\r\n\r\nThe file is "
                                        "read-only.\r\n\r\nThe library file is unchanged."});
    }
    void saveGoesThroughTheWindow() {
        QFETCH(QByteArrayList, before);
        QFETCH(QString, steps);
        QFETCH(QString, ch);
        QFETCH(QByteArray, after);
        QFETCH(QStringList, told);
        CALL(f = std::make_unique<FormFixture>(before.first()));
        QTest::qWait(10); // for a message about the file once the window is up
        QCOMPARE(f->library(), before.first()); // start-up never writes
        CALL(f->writeLibrary(before.last()));
        if (QString(QTest::currentDataTag()).endsWith("read-only")) {
            QVERIFY(QFile::setPermissions(f->libraryPath, QFileDevice::ReadOwner));
        }
        CALL(f->act(steps));
        f->setText("txtABC", ch);
        CALL(f->act("cmdSAVE"));
        QCOMPARE(f->library(), after);
        QCOMPARE(f->messages().size(), told.size());
        for (int k = 0; k < told.size(); ++k) {
            const QString start = told[k].arg(QDir::toNativeSeparators(f->libraryPath));
            QCOMPARE(f->messages()[k].left(start.size()), start);
        }
        // The list is read back from the file; the editor stays for the next save.
        QCOMPARE(f->listLines().size(), after.count('\n'));
        QCOMPARE(f->text("txtABC"), ch);
        QCOMPARE(f->focusName() == "txtABC", ch.isEmpty());
    }

    void unreadableFileStartsEmptyWithAMessage() {
        // A folder where the file should be cannot be read as one.
        CALL(f = std::make_unique<FormFixture>([](const QString& path) { QDir().mkpath(path); }));
        QTRY_COMPARE(f->shown.size(), 1);
        QVERIFY(f->messages()[0].startsWith("Warning Ok Ok" + caption + "The font library"));
        QVERIFY(f->shown[0].text.contains("could not be read"));
        QVERIFY(f->listLines().isEmpty());
    }
};

QTEST_MAIN(LibraryTest)
#include "library_test.moc"
