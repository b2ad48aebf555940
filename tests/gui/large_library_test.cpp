// Start-up on libraries far beyond what anyone draws by hand: the window
// opens, says once what it could not read, stays usable, and writes nothing.

#include "gui/form_fixture.h"
#include "library/library_format.h"

#include <random>

class LargeLibraryTest : public QObject {
    Q_OBJECT

private slots:
    void opensAndStaysUsable_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("lines");
        vorlix::FontTable table;
        for (int k = 0; k < 1'000'000; ++k) {
            table.push_back({std::to_string(k), {"&H7E", "&H11", "&H11", "&H11", "&H7E"}});
        }
        addRow("a million records", QByteArray::fromStdString(*vorlix::libraryBytes(table)),
               1'000'000);
        std::mt19937 random(100);
        QByteArray junk(100 * 1024 * 1024, Qt::Uninitialized);
        for (char& c : junk) {
            c = static_cast<char>(random());
        }
        addRow("100 MB of binary", junk, 0);
        for (char& c : junk) {
            c = static_cast<char>('a' + random() % 26);
        }
        addRow("100 MB of letters", junk, 0);
    }
    void opensAndStaysUsable() {
        QFETCH(QByteArray, bytes);
        QFETCH(int, lines);
        std::unique_ptr<FormFixture> f;
        CALL(f = std::make_unique<FormFixture>(bytes));
        QCOMPARE(f->listLines().size(), lines);
        QTest::qWait(10);
        CALL(f->act("1 cmdLIST cmdLIST 1 40"));
        QCOMPARE(f->text("txtHEX(5)"), "&HFE");
        QCOMPARE(f->messages().size(), lines > 0 ? 0 : 1);
        QVERIFY(f->messages().value(0, "Warning").startsWith("Warning"));
        QVERIFY(f->library() == bytes); // not QCOMPARE: it would print 100 MB
    }
};

QTEST_MAIN(LargeLibraryTest)
#include "large_library_test.moc"
