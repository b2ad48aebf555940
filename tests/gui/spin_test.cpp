// The spin preview beside the window: how it opens, that it follows the
// window's message, options and library, and that it goes with the window.

#include "gui/form_fixture.h"
#include "ui/spin_preview.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QSettings>
#include <QSpinBox>
#include <QTimer>

using vorlix::SpinPreview;

namespace {

const QByteArray library = "\"A\",\"&H7E\",\"&H9\",\"&H9\",\"&H9\",\"&H7E\"\r\n"
                           "\"B\",\"&H7F\",\"&H49\",\"&H49\",\"&H49\",\"&H36\"\r\n";

} // namespace

class SpinTest : public QObject {
    Q_OBJECT

    std::unique_ptr<FormFixture> f;
    QTemporaryDir config; // the settings of this run alone

    SpinPreview* preview() const { return f->form->findChild<SpinPreview*>(); }
    // F5, or the entry of a box's own menu.
    void open(const QString& from, bool menu) {
        f->find(from)->setFocus();
        if (!menu) {
            CALL(f->act("F5"));
            return;
        }
        emit f->find(from)->customContextMenuRequested({5, 5});
        auto* shown = f->find(from)->findChild<QMenu*>();
        QVERIFY(shown && !shown->actions().isEmpty());
        QCOMPARE(shown->actions().constLast()->text(), "Spin preview");
        shown->actions().constLast()->trigger();
    }

private slots:
    void initTestCase() { qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit()); }
    void init() {
        QSettings(QSettings::UserScope, "vorlix", "vorlix").clear();
        CALL(f = std::make_unique<FormFixture>(library));
    }
    void cleanup() { f.reset(); }

    void opensByKeyOrMenuAndClosesWithTheWindow_data() {
        QTest::addColumn<QString>("from");
        QTest::addColumn<bool>("menu");
        addRow("F5 in the message", "txtMSG", false);
        addRow("F5 in the hex prefix", "txtPrefix", false);
        addRow("F5 on a button", "cmdTABLE", false);
        addRow("message's menu", "txtMSG", true);
        addRow("table's menu", "txtDATA", true);
    }
    void opensByKeyOrMenuAndClosesWithTheWindow() {
        QFETCH(QString, from);
        QFETCH(bool, menu);
        QVERIFY(!preview());
        CALL(open(from, menu));
        QVERIFY(preview() && preview()->isVisible() && preview()->isWindow() &&
                !preview()->isModal());
        QVERIFY(QTest::qWaitForWindowExposed(preview()));
        auto* animation = preview()->findChild<QTimer*>("animation");
        QVERIFY(animation->isActive());
        preview()->showMinimized();
        QVERIFY(!animation->isActive()); // nothing is drawn for a window out of sight
        preview()->showNormal();
        QVERIFY(animation->isActive());
        f->form->close();
        QVERIFY(!preview()->isVisible());
        QVERIFY(!animation->isActive());
    }

    // Each change shows in the very next frame, and undone, gives the frame back.
    void followsTheWindow_data() {
        QTest::addColumn<QString>("change");
        QTest::addColumn<QString>("undo");
        addRow("typing", "B", "Backspace");
        addRow("Invert Bits", "chkInvert", "chkInvert");
        addRow("Swap MSB/LSB", "chkMSB", "chkMSB");
        addRow("blank here", "chkBLANK", "chkBLANK");
        addRow("blank there", "blank", "blank");
        addRow("library: A saved anew", "Yes 3 cmdSAVE", "");
    }
    void followsTheWindow() {
        QFETCH(QString, change);
        QFETCH(QString, undo);
        f->setText("txtMSG", "AB");
        f->setText("txtABC", "A");
        CALL(open("txtMSG", false));
        preview()->setClock([] { return 0.0125; });
        const QImage before = preview()->frame(200);
        QApplication::setActiveWindow(f->form.get());
        f->find("txtMSG")->setFocus();
        CALL(f->act(change));
        QVERIFY(preview()->frame(200) != before);
        QCOMPARE(f->find<QCheckBox>("chkBLANK")->isChecked(),
                 preview()->findChild<QCheckBox*>("blank")->isChecked());
        if (!undo.isEmpty()) {
            CALL(f->act(undo));
            QCOMPARE(preview()->frame(200), before);
        }
    }

    // A revolution's time, shared out among the columns that fill its share.
    void columnTimeFromSpeedAndShare_data() {
        QTest::addColumn<int>("rpm");
        QTest::addColumn<int>("share");
        QTest::addColumn<QString>("shown");
        addRow("10 columns, 1500 rpm, the whole circle", 1500, 100, "4000.0 µs");
        addRow("10 columns, 600 rpm, a quarter", 600, 25, "2500.0 µs");
        addRow("12 columns with blanks, 1200 rpm, half", 1200, 50, "2083.3 µs");
    }
    void columnTimeFromSpeedAndShare() {
        QFETCH(int, rpm);
        QFETCH(int, share);
        f->setText("txtMSG", "AB");
        f->find<QCheckBox>("chkBLANK")
            ->setChecked(QByteArray(QTest::currentDataTag()).contains("blank"));
        CALL(open("txtMSG", false));
        preview()->findChild<QSpinBox*>("speed")->setValue(rpm);
        preview()->findChild<QSpinBox*>("share")->setValue(share);
        QTEST(preview()->findChild<QLabel*>("columnTime")->text(), "shown");
    }

    // Tab visits every control, each named for screen readers, and comes back.
    void everyControlByTab() {
        CALL(open("txtMSG", false));
        QApplication::setActiveWindow(preview());
        preview()->findChild<QWidget*>("speed")->setFocus();
        QStringList visited;
        for (int k = 0; k < 8; ++k) {
            QWidget* at = QApplication::focusWidget();
            visited << at->objectName() + (at->accessibleName().isEmpty() ? " unnamed" : "");
            QTest::keyClick(at, Qt::Key_Tab);
        }
        QCOMPARE(visited.join(' '),
                 "speed share direction colour blank showStrip savePicture speed");
    }

    // Typed and picked in one run, shown at the start of the next; the blank
    // column is the main window's, which starts unticked.
    void remembersItsChoicesForTheNextRun() {
        CALL(open("txtMSG", false));
        auto* speed = preview()->findChild<QSpinBox*>("speed");
        speed->selectAll();
        QTest::keyClicks(speed, "600");
        preview()->findChild<QComboBox*>("colour")->setCurrentIndex(2);
        for (const char* name : {"blank", "showStrip"}) {
            auto* box = preview()->findChild<QCheckBox*>(name);
            QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(6, box->height() / 2)); // its tick
            QVERIFY(box->isChecked());
        }
        preview()->close();
        f.reset();
        CALL(f = std::make_unique<FormFixture>(library)); // the next run
        CALL(open("txtMSG", false));
        QCOMPARE(preview()->findChild<QSpinBox*>("speed")->value(), 600);
        QCOMPARE(preview()->findChild<QComboBox*>("colour")->currentText(), "Blue");
        QVERIFY(preview()->findChild<QCheckBox*>("showStrip")->isChecked());
        QVERIFY(preview()->findChild<QWidget*>("strip")->isVisible());
        QVERIFY(!preview()->findChild<QCheckBox*>("blank")->isChecked());
        QVERIFY(QFile::exists(config.filePath("vorlix/vorlix.conf")));
    }

    // Written, the file's place and size are told in the preview itself.
    void savesTheFrameAsPng() {
        CALL(open("txtMSG", false));
        preview()->setClock([] { return 0.5; });
        const QString path = f->dir.filePath("spin");
        QFile old(path + ".png");
        QVERIFY(old.open(QIODevice::WriteOnly) && old.write("old") == 3);
        old.close();
        QString suggested;
        preview()->setFileChooser([&](QWidget*, const QString& start) {
            suggested = start;
            return path;
        });
        auto* save = preview()->findChild<QAbstractButton*>("savePicture");
        // The file that will really be written is asked about, and kept on No.
        f->answers = {QMessageBox::No, QMessageBox::Yes};
        for (int k = 0; k < 2; ++k) {
            QTest::mouseClick(save, Qt::LeftButton);
            QCOMPARE(f->shown.size(), k + 1);
            QCOMPARE(f->shown[k].text, QDir::toNativeSeparators(path + ".png") +
                                           " already exists.\r\nDo you want to replace it?");
            QVERIFY(old.open(QIODevice::ReadOnly));
            QCOMPARE(old.readAll() == "old", k == 0);
            old.close();
        }
        const QImage saved(path + ".png", "png");
        QCOMPARE(saved.convertToFormat(QImage::Format_RGB32), preview()->frame(saved.width()));
        QCOMPARE(preview()->findChild<QLabel*>("saved")->text(),
                 QString("Saved %1 x %1 pixels, %2 bytes, as %3")
                     .arg(saved.width())
                     .arg(QFile(path + ".png").size())
                     .arg(QDir::toNativeSeparators(path + ".png")));
        f->answers = {QMessageBox::No};
        QTest::mouseClick(save, Qt::LeftButton); // the next starts where the last went
        QCOMPARE(suggested, path + ".png");
    }
};

QTEST_MAIN(SpinTest)
#include "spin_test.moc"
