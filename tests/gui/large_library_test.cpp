// Start-up on libraries far beyond what anyone draws by hand: the window
// opens, says once what it could not read, stays usable, and writes nothing.

#include "gui/form_fixture.h"
#include "library/library_format.h"

#include <QListView>

#include <random>

class LargeLibraryTest : public QObject {
    Q_OBJECT

private slots:
    void opensAndStaysUsable_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("lines");
        QTest::addColumn<int>("messages");
        vorlix::FontTable table(1'000'000, {"", {"&H7E", "&H11", "&H11", "&H11", "&H7E"}});
        for (std::size_t k = 0; k < table.size(); ++k) {
            table[k].CHAR = std::to_string(k);
        }
        addRow("a million records", QByteArray::fromStdString(*vorlix::libraryBytes(table)),
               1'000'000, 0);
        std::mt19937 random(100);
        for (const bool letters : {false, true}) {
            QByteArray junk(100 * 1024 * 1024, Qt::Uninitialized);
            for (char& c : junk) {
                c = static_cast<char>(letters ? 'a' + random() % 26 : random());
            }
            addRow(letters ? "100 MB of letters" : "100 MB of binary", junk, 0, 1);
        }
    }
    void opensAndStaysUsable() {
        QFETCH(QByteArray, bytes);
        QFETCH(int, lines);
        QFETCH(int, messages);
        std::unique_ptr<FormFixture> window;
        CALL(window = std::make_unique<FormFixture>(bytes));
        FormFixture& f = *window;
        auto* list = f.find<QListView>(QStringLiteral("lstFONTS"));
        QCOMPARE(list->model()->rowCount(), lines);
        QTest::qWait(10);
        QTRY_COMPARE(f.shown.size(), messages);
        if (messages > 0) {
            QCOMPARE(f.shown[0].icon, QMessageBox::Warning);
        }
        CALL(f.act("cmdLIST"));
        if (lines > 0) {
            list->setCurrentIndex(list->model()->index(lines - 1, 0));
            QCOMPARE(f.previewDots(),
                     QStringLiteral("X......X XXX.XXX. XXX.XXX. XXX.XXX. X......X"));
        }
        CALL(f.act("cmdLIST 1"));
        QCOMPARE(f.text(QStringLiteral("txtHEX(1)")), QStringLiteral("&H7F"));
        QCOMPARE(f.shown.size(), messages);
        QVERIFY(f.library() == bytes); // not QCOMPARE: it would print 100 MB
    }
};

QTEST_MAIN(LargeLibraryTest)
#include "large_library_test.moc"
