// The firmware dialogs as a user meets them: the request rules of the
// command line, a question before a file is replaced, and files that must
// not stall or stretch the dialog.

#include "gui/form_fixture.h"
#include "ui/firmware_dialogs.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

using namespace vorlix;

class DialogsTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    FontTable library{{"A", {"&H7E", "&H11", "&H11", "&H11", "&H7E"}}};
    QList<MessageBoxRequest> asked;
    QList<QMessageBox::StandardButton> answers;

    DialogAsk ask() {
        return [this](const MessageBoxRequest& request) {
            asked << request;
            return answers.isEmpty() ? QMessageBox::Ok : answers.takeFirst();
        };
    }
    QString status(const QDialog& dialog) const {
        return dialog.findChild<QLabel*>("status")->text();
    }
    QByteArray contents(const QString& path) const {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    }

private slots:
    void initTestCase() { qputenv("XDG_CONFIG_HOME", dir.filePath("config").toLocal8Bit()); }
    void init() {
        asked.clear();
        answers.clear();
    }

    // The names vorlix-table refuses (--format c --label int, --format dt
    // --label end) are refused here, and the name the user may then take.
    void exportRefusesWhatTheCommandLineRefuses_data() {
        QTest::addColumn<QString>("format");
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("proportional");
        QTest::addColumn<QString>("says");
        const QString lit = "Lit columns only go with c or arduino";
        addRow("int in c", QString("c"), QString("int"), false,
               QString("\"int\" is a reserved word of C;"));
        addRow("end in dt", QString("dt"), QString("end"), false,
               QString("\"end\" is a reserved word of the PIC assembler"));
        addRow("ldi in avr", QString("avr"), QString("ldi"), false,
               QString("\"ldi\" is a reserved word of the AVR"));
        addRow("end in c", QString("c"), QString("end"), false, QString());
        addRow("no identifier", QString("gas"), QString("my font"), false,
               QString("The name must be an identifier"));
        addRow("lit columns in dt", QString("dt"), QString("t"), true, lit);
        addRow("lit columns in arduino", QString("arduino"), QString("t"), true, QString());
    }
    void exportRefusesWhatTheCommandLineRefuses() {
        QFETCH(QString, format);
        QFETCH(QString, name);
        QFETCH(bool, proportional);
        QFETCH(QString, says);
        FontExportDialog dialog([this]() -> const FontTable& { return library; }, {}, ask());
        dialog.findChild<QComboBox*>("format")->setCurrentText(format);
        dialog.findChild<QLineEdit*>("characters")->setText("65");
        dialog.findChild<QLineEdit*>("label")->setText(name);
        dialog.findChild<QCheckBox*>("proportional")->setChecked(proportional);
        dialog.findChild<QLineEdit*>("file")->setText(dir.filePath("font.out"));
        QVERIFY2(says.isEmpty() ? status(dialog).isEmpty() : status(dialog).startsWith(says),
                 qPrintable(status(dialog)));
        QCOMPARE(dialog.findChild<QPushButton*>("accept")->isEnabled(), says.isEmpty());
    }

    // An existing file is replaced only after a Yes; the library never.
    void exportAsksBeforeReplacing() {
        const QString path = dir.filePath("font.h");
        QFile old(path);
        QVERIFY(old.open(QIODevice::WriteOnly) && old.write("old") == 3);
        old.close();
        const QString libraryPath = dir.filePath("FONTSDAT.txt");
        QFile::link(path, libraryPath);
        FontExportDialog dialog([this]() -> const FontTable& { return library; }, libraryPath,
                                ask());
        dialog.findChild<QComboBox*>("format")->setCurrentText("c");
        dialog.findChild<QLineEdit*>("characters")->setText("65");
        dialog.findChild<QLineEdit*>("file")->setText(path);
        QVERIFY(!dialog.save()); // the library itself, through a link
        QCOMPARE(status(dialog), QString("That is the library itself; choose another file."));
        QVERIFY(asked.isEmpty());
        QFile::remove(libraryPath);
        answers = {QMessageBox::No, QMessageBox::Yes};
        QVERIFY(!dialog.save());
        QCOMPARE(contents(path), QByteArray("old"));
        QVERIFY(dialog.save());
        QVERIFY(contents(path).contains("{0x7E, 0x11, 0x11, 0x11, 0x7E}, /* 'A' */"));
        QCOMPARE(asked.size(), 3); // No, Yes, and then what was written
        QCOMPARE(asked[0].text,
                 QDir::toNativeSeparators(path) + " already exists.\r\nDo you want to replace it?");
        QCOMPARE(asked[0].defaultButton, QMessageBox::No);
    }

    // The library's glyph goes into the firmware's own table, in its own
    // number form, and nothing else in the file changes.
    void updateWritesTheLibraryIntoTheFirmware() {
        const QString path = dir.filePath("font.c");
        const QByteArray before = "// keep me\r\nconst unsigned char font[] = {\r\n"
                                  "  0x7e, 0x09, 0x09, 0x09, 0x7e, /* 'A' */\r\n};\r\nint x;\r\n";
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(before) == before.size());
        file.close();
        TableImportDialog dialog(ask(), nullptr, [this]() -> const FontTable& { return library; });
        dialog.findChild<QLineEdit*>("file")->setText(path);
        dialog.findChild<QLineEdit*>("label")->setText("font");
        dialog.findChild<QLineEdit*>("characters")->clear(); // the comments name them
        dialog.findChild<QLineEdit*>("text")->clear();
        QCOMPARE(status(dialog), QString("Glyphs that change: 'A' (U+0041)."));
        const QString diff = dialog.findChild<QPlainTextEdit*>("preview")->toPlainText();
        QVERIFY2(diff.contains("\n-  0x7e, 0x09, 0x09, 0x09, 0x7e, /* 'A' */\n+  0x7e, 0x11, "
                               "0x11, 0x11, 0x7e, /* 'A' */\n };"),
                 qPrintable(diff));
        QTest::mouseClick(dialog.findChild<QPushButton*>("accept"), Qt::LeftButton);
        QCOMPARE(contents(path), QByteArray(before).replace("0x09", "0x11"));
        QCOMPARE(asked.size(), 1);
        QVERIFY(asked[0].text.endsWith("was updated; the glyphs that changed: 'A' (U+0041)."));
    }

    // A pipe typed as the file is refused unopened: nothing waits for a writer.
    void importRefusesAPipeWithoutBlocking() {
        const QString fifo = dir.filePath("pipe");
        QCOMPARE(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
        TableImportDialog dialog(ask());
        dialog.findChild<QLineEdit*>("file")->setText(fifo);
        QVERIFY(status(dialog).startsWith("That is no regular file"));
        QVERIFY(!dialog.findChild<QPushButton*>("accept")->isEnabled());
    }

    // A file read once serves every keystroke; it is read again when it
    // changes, and an error of any length leaves the dialog as wide as it was.
    void importKeepsItsWidthAndFollowsTheFile() {
        const QString path = dir.filePath("table.asm");
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly) &&
                file.write(" dt 0x7E,0x11,0x11,0x11,0x7E\n") > 0);
        file.close();
        TableImportDialog dialog(ask());
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        dialog.findChild<QLineEdit*>("file")->setText(path);
        dialog.findChild<QLineEdit*>("characters")->setText("65");
        QCOMPARE(status(dialog), QString("1 glyphs to import."));
        const int width = dialog.width();
        dialog.findChild<QLineEdit*>("label")->setText(QString(200000, 'x'));
        QVERIFY(status(dialog).startsWith("there is no label 'xxx"));
        QVERIFY(status(dialog).size() < 1000);
        QCoreApplication::processEvents();
        QCOMPARE(dialog.width(), width);
        dialog.findChild<QLineEdit*>("label")->clear();
        QVERIFY(file.open(QIODevice::Append) && file.write(" dt 0x7F,0x49,0x49,0x49,0x36\n") > 0);
        file.close();
        dialog.findChild<QLineEdit*>("characters")->setText("65-66");
        QCOMPARE(status(dialog), QString("2 glyphs to import."));
    }
};

QTEST_MAIN(DialogsTest)
#include "dialogs_test.moc"
