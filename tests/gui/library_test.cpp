// Saving glyphs from the window into FONTSDAT.txt and the fonts list that
// mirrors the file.

#include "gui/form_fixture.h"

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QListView>
#include <QTest>

namespace {

const QByteArray lineA = "\"A\",\"&H7E\",\"&H11\",\"&H11\",\"&H11\",\"&H7E\"\r\n";
const QByteArray lineB = "\"B\",\"&H7F\",\"&H49\",\"&H49\",\"&H49\",\"&H36\"\r\n";
const char* const listA = "A    =  &H7E,  &H11,  &H11,   &H11,  &H7E";

} // namespace

class LibraryTest : public QObject {
    Q_OBJECT

    QStringList listLines(const FormFixture& f) const {
        auto* model = f.find<QListView>(QStringLiteral("lstFONTS"))->model();
        QStringList lines;
        for (int row = 0; row < model->rowCount(); ++row) {
            lines << model->index(row, 0).data().toString();
        }
        return lines;
    }

    // Draws the top pixel of column 1 and saves under ch.
    void save(FormFixture& f, const QString& ch) const {
        f.find<QLineEdit>(QStringLiteral("txtABC"))->setText(ch);
        f.click(QStringLiteral("cmdSAVE"));
    }

private slots:
    void startUpListsEveryRecordInFileOrder() {
        const QByteArray bytes = lineB + lineA;
        FormFixture f(bytes);
        QCOMPARE(listLines(f), QStringList({"B    =  &H7F,  &H49,  &H49,   &H49,  &H36", listA}));
        QVERIFY(f.shown.isEmpty());
        QCOMPARE(f.library(), bytes);
    }

    void appendsNewCharactersInBoxOrderOrReversed() {
        FormFixture f;
        f.clickPixel(1);
        save(f, QStringLiteral("a"));
        const QByteArray lineLower = "\"a\",\"&H7F\",\"&HFF\",\"&HFF\",\"&HFF\",\"&HFF\"\r\n";
        QCOMPARE(f.library(), lineLower);
        f.click(QStringLiteral("chkINVCOLS"));
        save(f, QStringLiteral("A "));
        const QByteArray reversed = "\"A \",\"&HFF\",\"&HFF\",\"&HFF\",\"&HFF\",\"&H7F\"\r\n";
        QCOMPARE(f.library(), lineLower + reversed);
        QCOMPARE(listLines(f).last(), QStringLiteral("A     =  &HFF,  &HFF,  &HFF,   &HFF,  &H7F"));
        QVERIFY(f.shown.isEmpty());
        // The grid, the boxes and the character stay for the next save.
        QCOMPARE(f.find<QLineEdit>(QStringLiteral("txtABC"))->text(), QStringLiteral("A "));
        QCOMPARE(f.find<QLineEdit>(QStringLiteral("txtHEX(1)"))->text(), QStringLiteral("&H7F"));
    }

    void existingCharacterAsksAndReplacesOnlyOnYes() {
        const QByteArray bytes = lineA + lineB + lineA;
        FormFixture f(bytes);
        f.click(QStringLiteral("chkINVCOLS")); // not used by a replacement
        f.answers = {QMessageBox::No};
        save(f, QStringLiteral("A"));
        QCOMPARE(f.shown.size(), 1);
        QCOMPARE(f.shown[0].title, QStringLiteral("Replace Font Data?"));
        QCOMPARE(f.shown[0].text,
                 QStringLiteral(
                     "The font data is already in the list. \r\nWould you like to replace it?"));
        QCOMPARE(f.shown[0].icon, QMessageBox::Question);
        QCOMPARE(f.shown[0].buttons, QMessageBox::Yes | QMessageBox::No);
        QCOMPARE(f.shown[0].defaultButton, QMessageBox::Yes);
        QCOMPARE(f.library(), bytes);

        f.answers = {QMessageBox::Yes};
        f.clickPixel(33);
        save(f, QStringLiteral("A"));
        const QByteArray newA = "\"A\",\"&HFF\",\"&HFF\",\"&HFF\",\"&HFF\",\"&H7F\"\r\n";
        QCOMPARE(f.library(), newA + lineB + lineA);
        QCOMPARE(listLines(f).size(), 3);
        QCOMPARE(listLines(f)[0], QStringLiteral("A    =  &HFF,  &HFF,  &HFF,   &HFF,  &H7F"));
    }

    void emptyCharacterIsRefusedWithFocusBack() {
        FormFixture f(lineA);
        f.clickPixel(3);
        save(f, QString());
        QCOMPARE(f.shown.size(), 1);
        QCOMPARE(f.shown[0].title, QStringLiteral("Propeller Vorlix Generator"));
        QCOMPARE(f.shown[0].text,
                 QStringLiteral("You must enter a char representing the data you entered!"));
        QCOMPARE(f.shown[0].icon, QMessageBox::Critical);
        QCOMPARE(f.shown[0].buttons, QMessageBox::Ok);
        QVERIFY(f.find<QLineEdit>(QStringLiteral("txtABC"))->hasFocus());
        QCOMPARE(f.library(), lineA);
    }

    void unstorableCharactersAreRefusedBeforeWriting_data() {
        QTest::addColumn<QString>("ch");
        QTest::newRow("double quote") << "\"";
        QTest::newRow("quote inside") << "a\"b";
        QTest::newRow("Cyrillic") << "\u0416";
    }
    void unstorableCharactersAreRefusedBeforeWriting() {
        QFETCH(QString, ch);
        FormFixture f(lineA);
        save(f, ch);
        QCOMPARE(f.shown.size(), 1);
        QCOMPARE(f.shown[0].icon, QMessageBox::Critical);
        QVERIFY(f.shown[0].text.contains(QStringLiteral("cannot be saved")));
        QCOMPARE(f.library(), lineA);
        QCOMPARE(listLines(f), QStringList{listA});
    }

    void windows1252CharactersAreStoredAsSingleBytes() {
        FormFixture f;
        save(f, QStringLiteral("\u00E9\u20AC"));
        QVERIFY(f.library().startsWith("\"\xE9\x80\","));
        QVERIFY(listLines(f)[0].startsWith(QStringLiteral("\u00E9\u20AC    =  ")));
    }

    void damagedFileLoadsWholeRecordsAndSaysWhereOnce() {
        const QByteArray damaged = lineA + "\"B\",\"&H1\",\"&H2";
        FormFixture f(damaged);
        QCOMPARE(listLines(f), QStringList{listA});
        QTRY_COMPARE(f.shown.size(), 1);
        QCOMPARE(f.shown[0].icon, QMessageBox::Warning);
        QVERIFY(f.shown[0].text.contains(QDir::toNativeSeparators(f.libraryPath)));
        QVERIFY(f.shown[0].text.contains(QStringLiteral("line 2")));
        QCOMPARE(f.library(), damaged); // start-up never writes

        // Saving rewrites from what could be read and keeps the old file
        // aside, beside any backup made before.
        QFile older(f.libraryPath + QStringLiteral(".bak"));
        QVERIFY(older.open(QIODevice::WriteOnly));
        older.write("older");
        older.close();
        save(f, QStringLiteral("C"));
        QCOMPARE(f.shown.size(), 2);
        QCOMPARE(f.shown[1].icon, QMessageBox::Information);
        QVERIFY(f.shown[1].text.contains(QStringLiteral("FONTSDAT.txt.bak.2")));
        QFile backup(f.libraryPath + QStringLiteral(".bak.2"));
        QVERIFY(backup.open(QIODevice::ReadOnly));
        QCOMPARE(backup.readAll(), damaged);
        QVERIFY(older.open(QIODevice::ReadOnly));
        QCOMPARE(older.readAll(), QByteArray("older"));
        QCOMPARE(listLines(f).size(), 2);
    }

    void saveThatLeavesTheDamageDoesNotWarnAgain_data() {
        QTest::addColumn<QString>("ch");
        QTest::addColumn<bool>("readOnly");
        QTest::addColumn<QMessageBox::Icon>("icon"); // of the save's own message
        QTest::newRow("replace declined") << "A" << false << QMessageBox::Question;
        QTest::newRow("write refused") << "C" << true << QMessageBox::Critical;
    }
    void saveThatLeavesTheDamageDoesNotWarnAgain() {
        QFETCH(QString, ch);
        QFETCH(bool, readOnly);
        QFETCH(QMessageBox::Icon, icon);
        const QByteArray damaged = lineA + "\"B\",\"&H1\",\"&H2";
        FormFixture f(damaged);
        QTRY_COMPARE(f.shown.size(), 1);
        if (readOnly) {
            QVERIFY(QFile::setPermissions(f.libraryPath, QFileDevice::ReadOwner));
        }
        f.answers = {QMessageBox::No};
        save(f, ch);
        QCOMPARE(f.library(), damaged);
        QCOMPARE(f.shown.size(), 2);
        QCOMPARE(f.shown[1].icon, icon);
    }

    void unreadableFileStartsEmptyWithAMessage() {
        // A folder where the file should be cannot be read as one.
        FormFixture f([](const QString& path) { QDir().mkpath(path); });
        QVERIFY(listLines(f).isEmpty());
        QTRY_COMPARE(f.shown.size(), 1);
        QVERIFY(f.shown[0].text.contains(QStringLiteral("could not be read")));
    }

    void writeFailureSaysWhyAndKeepsListAndFile() {
        FormFixture f(lineA);
        // The library's folder disappears under the program.
        QVERIFY(f.dir.remove());
        save(f, QStringLiteral("B"));
        QCOMPARE(f.shown.size(), 1);
        QCOMPARE(f.shown[0].icon, QMessageBox::Critical);
        QVERIFY(f.shown[0].text.contains(QStringLiteral("could not be saved")));
        QVERIFY(f.shown[0].text.contains(QStringLiteral("unchanged")));
        QVERIFY(!QFile::exists(f.libraryPath));
        QVERIFY(listLines(f).isEmpty()); // the list matches the file, which is gone
    }

    void replaceKeepsLinesAnotherProgramAdded() {
        FormFixture f(lineA);
        f.writeLibrary(lineA + lineB);
        f.answers = {QMessageBox::Yes};
        save(f, QStringLiteral("A"));
        QCOMPARE(f.library(), "\"A\",\"&HFF\",\"&HFF\",\"&HFF\",\"&HFF\",\"&HFF\"\r\n" + lineB);
        QCOMPARE(listLines(f).size(), 2);
    }

    void characterAnotherProgramStoredIsReplacedNotRepeated() {
        FormFixture f(lineA);
        f.writeLibrary(lineA + lineB);
        f.answers = {QMessageBox::No};
        save(f, QStringLiteral("B"));
        QCOMPARE(f.shown.size(), 1);
        QCOMPARE(f.shown[0].title, QStringLiteral("Replace Font Data?"));
        QCOMPARE(f.library(), lineA + lineB);
    }

    void appendKeepsLinesAnotherProgramAdded() {
        FormFixture f(lineA);
        f.writeLibrary(lineA + lineB);
        save(f, QStringLiteral("C"));
        QVERIFY(f.library().startsWith(lineA + lineB + "\"C\","));
        QCOMPARE(listLines(f).size(), 3);
    }
};

QTEST_MAIN(LibraryTest)
#include "library_test.moc"
