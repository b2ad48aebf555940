// Working on stored glyphs from the window: edit and delete from the fonts
// list, import a font, and the grid's tools with their undo.

#include "gui/form_fixture.h"
#include "ui/firmware_dialogs.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QTimer>

namespace {

const QByteArray lineA = "\"A\",\"&H7E\",\"&H11\",\"&H11\",\"&H11\",\"&H7E\"\r\n";
const QByteArray lineB = "\"B\",\"&H7F\",\"&H49\",\"&H49\",\"&H49\",\"&H36\"\r\n";

} // namespace

class WorkshopTest : public QObject {
    Q_OBJECT

    std::unique_ptr<FormFixture> f;

    QStringList boxes() const {
        QStringList texts;
        for (const char* name : {"col(%1)", "txtHEX(%1)", "txtDec(%1)"}) {
            for (int k = 1; k <= 5; ++k) {
                texts << f->text(QString(name).arg(k));
            }
        }
        return texts;
    }
    void pick(int row, bool twice = false) const {
        auto* list = f->find<QListView>("lstFONTS");
        const QPoint at = list->visualRect(list->model()->index(row, 0)).center();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
        if (twice) {
            QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
        }
    }
    void trigger(const char* action) const {
        QAction* found = f->form->findChild<QAction*>(action);
        QVERIFY2(found, action);
        found->trigger();
    }

private slots:
    void cleanup() { f.reset(); }

    void editLoadsWhatWasSaved_data() {
        QTest::addColumn<QString>("options");
        addRow("default", QString());
        addRow("inverted", QString("chkInvert"));
        addRow("swapped", QString("chkMSB"));
        addRow("inverted and swapped", QString("chkInvert chkMSB"));
    }
    void editLoadsWhatWasSaved() {
        QFETCH(QString, options);
        CALL(f = std::make_unique<FormFixture>(lineA));
        f->setText("txtABC", "Q");
        CALL(f->act(options + " 1 10 19 28 37 40 cmdSAVE"));
        const QStringList saved = boxes();
        const QString drawn = f->editorDots();
        CALL(f->act("Command2 cmdLIST"));
        CALL(pick(1, true));
        QCOMPARE(boxes(), saved);
        QCOMPARE(f->editorDots(), drawn);
        QCOMPARE(f->text("txtABC"), QString("Q"));
        QVERIFY(f->find("fraFONTS")->isHidden());
        QCOMPARE(f->text("cmdLIST"), QString("View fonts list"));
    }

    void deleteAsksThenRemovesOnlyThatRecord() {
        CALL(f = std::make_unique<FormFixture>(lineA + lineB + lineA));
        CALL(f->act("cmdLIST No"));
        CALL(pick(2));
        CALL(f->act("Delete")); // the key, as the menu's item
        QCOMPARE(f->library(), lineA + lineB + lineA);
        CALL(f->act("Yes"));
        CALL(trigger("Delete"));
        QCOMPARE(f->library(), lineA + lineB);
        QCOMPARE(f->messages().constFirst().section(" | ", 0, 1),
                 QString("Question Yes|No No | Delete Font Data?"));
        QCOMPARE(f->listLines().size(), 2);
        CALL(pick(0)); // the first line too
        CALL(f->act("Yes"));
        CALL(trigger("Delete"));
        QCOMPARE(f->library(), lineB);
        CALL(pick(0));
        CALL(f->writeLibrary(lineA + lineB)); // another program puts A before the listed B
        CALL(f->act("Yes"));
        CALL(trigger("Delete"));
        QCOMPARE(f->library(), lineA);
    }

    // The font is read and what it would do is shown, with glyphs drawn,
    // before the one question; a font that cannot be read asks nothing.
    void importAsksOnceKnowingWhatItWouldDo_data() {
        QTest::addColumn<QString>("font");
        QTest::addColumn<int>("answer");
        QTest::addColumn<QByteArray>("after");
        QTest::addColumn<QString>("said");
        addRow("cancel", QString("tiny.bdf"), int(QMessageBox::Cancel), lineA, QString("differ"));
        addRow("keep", QString("tiny.bdf"), int(QMessageBox::No), lineA + "\"W\",",
               QString("added 2, replaced 0, kept 1"));
        addRow(
            "replace", QString("tiny.bdf"), int(QMessageBox::Yes),
            QByteArray("\"A\",\"&HC1\",\"&HB7\",\"&HB7\",\"&HC1\",\"&HFF\"\r\n\"W\","),
            QString("replaced 1, kept 0, not in the font 214, refused 1.\r\n\r\nThe library file "
                    "cannot store these: '\"' (U+0022).\r\n\r\nThe library as it was "
                    "before is kept as\r\n"));
        addRow("no font", QString("hand_edited.txt"), 0, lineA, QString("Critical Ok Ok"));
    }
    void importAsksOnceKnowingWhatItWouldDo() {
        QFETCH(QString, font);
        QFETCH(int, answer);
        QFETCH(QByteArray, after);
        QFETCH(QString, said);
        CALL(f = std::make_unique<FormFixture>(lineA));
        f->form->setFontChooser([font](QWidget*) { return QString(VORLIX_TEST_DATA "/") + font; });
        CALL(f->act("cmdLIST"));
        f->answers.append(QMessageBox::StandardButton(answer));
        CALL(trigger("Import font..."));
        QVERIFY2(f->library().startsWith(after), f->library().constData());
        QVERIFY2(f->messages().constLast().contains(said), qPrintable(f->messages().constLast()));
        QCOMPARE(QFile::exists(f->libraryPath + ".bak"), answer == QMessageBox::Yes);
        if (answer == 0) {
            QCOMPARE(f->messages().size(), 1);
            return;
        }
        QCOMPARE(f->messages().constFirst().section(" | ", 0, 1),
                 QString("Question Yes|No|Cancel Cancel | Import Font"));
        QVERIFY(f->messages().constFirst().contains(
            "2 new characters would be added; 1 stored ones differ from the font; 0 are the "
            "same.\r\n\r\n1 lose dots to the 5x8 cell: 'W' (U+0057)."));
        const QStringList drawn = f->shown.constFirst().drawing.split("\r\n");
        QCOMPARE(drawn.size(), 9); // the names, then the rows: W, A, g (the quote is refused)
        for (const auto& [r, row] : {std::pair{0, "  W       A       g"},
                                     {6, "#.##.   #..#.   #..#."},
                                     {7, "##..#   #..#.   .###."},
                                     {8, ".....   .....   ###.."}}) {
            QVERIFY2(drawn[r] == row, qPrintable(drawn[r]));
        }
        if (answer == QMessageBox::Yes) {
            QCOMPARE(f->messages().constLast().section("\r\n", -1),
                     QDir::toNativeSeparators(f->libraryPath + ".bak"));
            QCOMPARE(QFile(f->libraryPath + ".bak").size(), lineA.size());
        }
        if (answer == QMessageBox::No) { // again: nothing is new, but A still differs
            f->answers.append(QMessageBox::Cancel);
            CALL(trigger("Import font..."));
            QVERIFY(f->messages().constLast().startsWith(
                "Question Yes|No|Cancel Cancel | Import Font | " +
                QString(VORLIX_TEST_DATA "/tiny.bdf") + " into\r\n" + f->libraryPath +
                ":\r\n\r\n0 new characters would be added; 1 stored"));
        }
    }

    // A long list scrolls inside its box, which stays within the screen.
    void aLongMessageScrolls() {
        bool scrolledOnScreen = false;
        QTimer::singleShot(0, [&] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                scrolledOnScreen = box->findChild<QScrollArea*>("messageScroll") &&
                                   box->height() < box->screen()->availableGeometry().height();
                box->button(QMessageBox::Ok)->click();
            }
        });
        vorlix::modalMessageBox(nullptr, {"Import Font",
                                          QString("'A' (U+0041)\r\n").repeated(200),
                                          QMessageBox::Information,
                                          QMessageBox::Ok,
                                          QMessageBox::Ok,
                                          {}});
        QVERIFY(scrolledOnScreen);
    }

    // The fonts list's firmware dialogs: a font written for an inverted stick
    // (C missing and dark) and read back as the characters its comments name
    // (the library keeps its A and B); the choices come back in the next
    // dialog.
    void firmwareDialogsWriteAndReadTheFont() {
        CALL(f = std::make_unique<FormFixture>(lineA + lineB));
        qputenv("XDG_CONFIG_HOME", f->dir.filePath("config").toLocal8Bit());
        const QString table = f->dir.filePath("font.h");
        QString preview;
        QString status;
        const auto inDialog = [&](const std::function<void(QDialog*)>& fill) {
            QTimer::singleShot(0, [&, fill] {
                auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
                QVERIFY(dialog);
                fill(dialog);
                preview = dialog->findChild<QPlainTextEdit*>("preview")->toPlainText();
                status = dialog->findChild<QLabel*>("status")->text();
                QTest::mouseClick(dialog->findChild<QPushButton*>("accept"), Qt::LeftButton);
            });
        };
        inDialog([&](QDialog* dialog) {
            dialog->findChild<QComboBox*>("format")->setCurrentText("c");
            dialog->findChild<QLineEdit*>("characters")->setText("65-67");
            dialog->findChild<QLineEdit*>("label")->setText("font");
            dialog->findChild<QCheckBox*>("invert")->click();
            dialog->findChild<QLineEdit*>("file")->setText(table);
        });
        CALL(f->act("cmdLIST"));
        CALL(trigger("Export font table..."));
        QVERIFY2(preview.contains("    {0x81, 0xEE, 0xEE, 0xEE, 0x81}, /* 'A' */\n"),
                 qPrintable(preview));
        QCOMPARE(status, QString("Not in the library, so dark: 'C' (U+0043)."));
        QFile written(table);
        QCOMPARE(f->messages().constLast(),
                 QString("Information Ok Ok | Export font table | The font table, 3 characters "
                         "in %1 bytes, was written to\r\n%2")
                     .arg(written.size())
                     .arg(QDir::toNativeSeparators(table)));
        QVERIFY(written.open(QIODevice::ReadOnly));
        QVERIFY(written.readAll().contains("{0x80, 0xB6, 0xB6, 0xB6, 0xC9}, /* 'B' */\n"
                                           "    {0x00, 0x00, 0x00, 0x00, 0x00}, /* 'C' not"));
        inDialog([&](QDialog* dialog) {
            dialog->findChild<QLineEdit*>("file")->setText(table);
            dialog->findChild<QLineEdit*>("label")->setText("font");
            dialog->findChild<QLineEdit*>("text")->setText("ABC");
            dialog->findChild<QCheckBox*>("invert")->click();
        });
        CALL(trigger("Import firmware table..."));
        QVERIFY2(preview.startsWith("A    =  &H7E,  &H11,  &H11,   &H11,  &H7E\n"),
                 qPrintable(preview));
        QCOMPARE(status, QString("3 glyphs to import."));
        QVERIFY(f->library().endsWith("\"C\",\"&HFF\",\"&HFF\",\"&HFF\",\"&HFF\",\"&HFF\"\r\n"));
        QCOMPARE(f->listLines().size(), 3); // the list is read anew
        QVERIFY2(f->messages().constLast().contains(QDir::toNativeSeparators(table) + " into\r\n" +
                                                    QDir::toNativeSeparators(f->libraryPath) +
                                                    ":\r\nadded 1, replaced 0, kept 2, refused 0"),
                 qPrintable(f->messages().constLast()));
        const vorlix::FontTable none;
        vorlix::FontExportDialog again([&]() -> const vorlix::FontTable& { return none; }, {}, {});
        QCOMPARE(again.findChild<QComboBox*>("format")->currentText(), QString("c"));
        QCOMPARE(again.findChild<QLineEdit*>("characters")->text(), QString("65-67"));
        QVERIFY(again.findChild<QCheckBox*>("invert")->isChecked());
        QVERIFY(!again.findChild<QCheckBox*>("swap")->isChecked());
        // A bare name lies in the folder last used, and is shown in full.
        auto* file = again.findChild<QLineEdit*>("file");
        QCOMPARE(file->text(), table);
        file->clear();
        QTest::keyClicks(file, "again.h");
        QTest::keyClick(file, Qt::Key_Return);
        QCOMPARE(file->text(), f->dir.filePath("again.h"));
    }

    void gridToolsChangeTheGlyphAndUndoTakesThemBack() {
        CALL(f = std::make_unique<FormFixture>());
        const auto enabled = [this](const char* action) {
            return f->form->findChild<QAction*>(action)->isEnabled();
        };
        QVERIFY(!enabled("Undo") && !enabled("Redo")); // nothing to undo yet
        CALL(f->act("1 2 9"));
        QStringList seen{f->editorDots() + boxes().join(' ')};
        for (const char* tool : {"Shift Right", "Shift Down", "Shift Left", "Shift Up",
                                 "Mirror Left to Right", "Mirror Top to Bottom", "Invert Dots"}) {
            CALL(trigger(tool));
            QVERIFY2(f->editorDots() + boxes().join(' ') != seen.constLast(), tool);
            seen << f->editorDots() + boxes().join(' ');
        }
        QVERIFY(seen[5].startsWith("........ ........ ........ X....... XX......")); // mirrored
        CALL(f->act("Command2")); // Clear too is undone
        for (int step = seen.size() - 1; step >= 0; --step) {
            CALL(trigger("Undo"));
            QCOMPARE(f->editorDots() + boxes().join(' '), seen[step]);
        }
        QVERIFY(enabled("Redo"));
        CALL(trigger("Redo"));
        QCOMPARE(f->editorDots() + boxes().join(' '), seen[1]);
        f->find("txtABC")->setFocus(); // a click on a dot takes the focus, and the shortcuts
        CALL(f->act("q 12 Ctrl+Z"));
        QCOMPARE(f->editorDots() + boxes().join(' ') + f->text("txtABC"), seen[1] + "q");
    }
};

QTEST_MAIN(WorkshopTest)
#include "workshop_test.moc"
