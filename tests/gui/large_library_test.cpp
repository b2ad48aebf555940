// Start-up on libraries far beyond what anyone draws by hand: the window
// opens, says what it could not read, stays usable, and writes nothing.

#include "gui/form_fixture.h"
#include "library/library_format.h"
#include "ui/pixel_button.h"

#include <QCryptographicHash>
#include <QLineEdit>
#include <QListView>
#include <QTest>

#include <random>

namespace {

QByteArray digest(const QByteArray& bytes) {
    return QCryptographicHash::hash(bytes, QCryptographicHash::Sha256);
}

QByteArray millionRecords() {
    vorlix::FontTable table(1'000'000, {"", {"&H7E", "&H11", "&H11", "&H11", "&H7E"}});
    for (std::size_t k = 0; k < table.size(); ++k) {
        table[k].CHAR = std::to_string(k);
    }
    return QByteArray::fromStdString(*vorlix::libraryBytes(table));
}

QByteArray junk(qsizetype size, bool printable) {
    std::mt19937 random(100);
    QByteArray bytes(size, Qt::Uninitialized);
    for (char& c : bytes) {
        c = static_cast<char>(printable ? 'a' + random() % 26 : random());
    }
    return bytes;
}

} // namespace

class LargeLibraryTest : public QObject {
    Q_OBJECT

    static void staysUsable(FormFixture& f) {
        f.click(QStringLiteral("cmdLIST"));
        auto* list = f.find<QListView>(QStringLiteral("lstFONTS"));
        if (list->model()->rowCount() > 0) {
            list->setCurrentIndex(list->model()->index(list->model()->rowCount() - 1, 0));
            QCOMPARE(f.find<vorlix::PixelButton>(QStringLiteral("cmdPIX(0)"))->colour(),
                     vorlix::PixelButton::lit());
        }
        f.click(QStringLiteral("cmdLIST"));
        f.clickPixel(1);
        QCOMPARE(f.find<QLineEdit>(QStringLiteral("txtHEX(1)"))->text(), QStringLiteral("&H7F"));
    }

private slots:
    void millionRecordsLoadWhole() {
        const QByteArray bytes = millionRecords();
        FormFixture f(bytes);
        QCOMPARE(f.find<QListView>(QStringLiteral("lstFONTS"))->model()->rowCount(), 1'000'000);
        QTest::qWait(10);
        QVERIFY(f.shown.isEmpty());
        staysUsable(f);
        QCOMPARE(digest(f.library()), digest(bytes));
    }

    void hundredMegabytesOfJunkAreReportedOnce_data() {
        QTest::addColumn<bool>("printable");
        QTest::newRow("binary") << false;
        QTest::newRow("letters") << true;
    }
    void hundredMegabytesOfJunkAreReportedOnce() {
        QFETCH(bool, printable);
        const QByteArray bytes = junk(100 * 1024 * 1024, printable);
        FormFixture f(bytes);
        QTRY_COMPARE(f.shown.size(), 1);
        QCOMPARE(f.shown[0].icon, QMessageBox::Warning);
        QVERIFY(f.shown[0].text.contains(QStringLiteral("line")));
        staysUsable(f);
        QCOMPARE(f.shown.size(), 1);
        QCOMPARE(digest(f.library()), digest(bytes));
    }
};

QTEST_MAIN(LargeLibraryTest)
#include "large_library_test.moc"
