// The installed window as a user who cannot write the prefix meets it: it
// finds its library the way the program does, starts with the installed
// starter font, and the first save makes the per-user library from the
// starter and the new glyph. Run by tests/install/check_install.sh, with
// VORLIX_PREFIX the installed prefix and XDG_DATA_HOME a fresh folder.

#include "library/library_store.h"
#include "ui/form1.h"

#include <QFile>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QTest>

class InstalledWindowTest : public QObject {
    Q_OBJECT

private slots:
    void startsWithTheStarterAndSavesToTheUsersLibrary() {
        const QString prefix = qEnvironmentVariable("VORLIX_PREFIX");
        QVERIFY2(!prefix.isEmpty(), "VORLIX_PREFIX is not set");
        const vorlix::LibraryLocation location =
            vorlix::locateLibrary({}, prefix + "/bin", vorlix::userLibraryFolder());
        QCOMPARE(location.seed, prefix + "/share/vorlix/starter/FONTSDAT.txt");
        QCOMPARE(location.path, qEnvironmentVariable("XDG_DATA_HOME") + "/vorlix/FONTSDAT.txt");
        QFile starter(location.seed);
        QVERIFY(starter.open(QIODevice::ReadOnly));
        const QByteArray starterBytes = starter.readAll();

        QStringList told;
        vorlix::Form1 window(location, [&](QWidget*, const vorlix::MessageBoxRequest& request) {
            told << request.text;
            return QMessageBox::Ok;
        });
        QCOMPARE(window.findChild<QListView*>("lstFONTS")->model()->rowCount(),
                 starterBytes.count('\n'));
        QVERIFY(!QFile::exists(location.path));
        window.findChild<QLineEdit*>("txtABC")->setText("new");
        window.findChild<QPushButton*>("cmdSAVE")->click();
        QCOMPARE(told, QStringList());
        QFile mine(location.path);
        QVERIFY(mine.open(QIODevice::ReadOnly));
        QCOMPARE(mine.readAll(),
                 starterBytes + "\"new\",\"&HFF\",\"&HFF\",\"&HFF\",\"&HFF\",\"&HFF\"\r\n");
        QCOMPARE(window.findChild<QListView*>("lstFONTS")->model()->rowCount(),
                 starterBytes.count('\n') + 1);
    }
};

QTEST_MAIN(InstalledWindowTest)
#include "installed_window_test.moc"
