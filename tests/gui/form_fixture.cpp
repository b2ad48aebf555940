#include "gui/form_fixture.h"

#include "library/library_store.h"
#include "ui/pixel_button.h"

#include <QFile>
#include <QListView>
#include <QMenu>
#include <QMetaEnum>

FormFixture::FormFixture(const QByteArray& libraryBytes)
    : FormFixture([this, &libraryBytes](const QString&) { writeLibrary(libraryBytes); }) {}

FormFixture::FormFixture(const std::function<void(const QString& libraryPath)>& prepare)
    : libraryPath(vorlix::libraryPathBeside(dir.path())) {
    prepare(libraryPath);
    form = std::make_unique<vorlix::Form1>(
        libraryPath, [this](QWidget*, const vorlix::MessageBoxRequest& request) {
            shown.append(request);
            return answers.isEmpty() ? QMessageBox::Ok : answers.takeFirst();
        });
    form->show();
    // Keys and clicks sent to a window that is not up would test nothing.
    QVERIFY2(QTest::qWaitForWindowExposed(form.get()), "the window was not exposed");
}

QString FormFixture::text(const QString& name) const {
    const QWidget* w = find(name);
    return w ? w->property(w->inherits("QPlainTextEdit") ? "plainText" : "text").toString() : "?";
}

void FormFixture::setText(const QString& name, const QString& text) const {
    QVERIFY2(find(name) && find(name)->setProperty("text", text), qPrintable(name));
}

void FormFixture::act(const QString& steps) {
    for (const QString& step : steps.split(' ', Qt::SkipEmptyParts)) {
        auto* button = find<QAbstractButton>(step.toInt() > 0 ? "cmdPixel(" + step + ")" : step);
        if (step == "Yes" || step == "No") {
            answers.append(step == "Yes" ? QMessageBox::Yes : QMessageBox::No);
        } else if (button) {
            QTest::mouseClick(button, Qt::LeftButton);
        } else {
            const QKeySequence key(step);
            QVERIFY2(QApplication::focusWidget() && !key.isEmpty(), qPrintable(step));
            QTest::keyClick(QApplication::focusWidget(), key[0].key(), key[0].keyboardModifiers());
        }
    }
}

bool FormFixture::chooseFromMenu(const QString& box, const QString& entry) const {
    emit find(box)->customContextMenuRequested({5, 5});
    for (auto* menu : find(box)->findChildren<QMenu*>()) {
        for (QAction* action : menu->actions()) {
            if (menu->isVisible() && action->text() == entry) {
                action->trigger();
                menu->close();
                return true;
            }
        }
    }
    return false;
}

QString FormFixture::dots(const QString& pattern, int first) const {
    QString text;
    for (int i = 0; i < 40; ++i) {
        const auto* dot = find<vorlix::PixelButton>(pattern.arg(first + i));
        text += QString(i > 0 && i % 8 == 0 ? " " : "") + (dot && dot->isLit() ? 'X' : '.');
    }
    return text;
}

QStringList FormFixture::listLines() const {
    QStringList lines;
    const QAbstractItemModel* model = find<QListView>("lstFONTS")->model();
    for (int row = 0; row < model->rowCount(); ++row) {
        lines << model->index(row, 0).data().toString();
    }
    return lines;
}

QStringList FormFixture::messages() const {
    const QMetaEnum icons = QMetaEnum::fromType<QMessageBox::Icon>();
    const QMetaEnum buttons = QMetaEnum::fromType<QMessageBox::StandardButtons>();
    QStringList all;
    for (const vorlix::MessageBoxRequest& m : shown) {
        all << QStringLiteral("%1 %2 %3 | %4 | %5")
                   .arg(icons.valueToKey(m.icon),
                        // FirstButton is another name of Ok.
                        QString(buttons.valueToKeys(m.buttons.toInt())).remove("|FirstButton"),
                        buttons.valueToKey(m.defaultButton), m.title, m.text);
    }
    return all;
}

QByteArray FormFixture::library() const {
    QFile file(libraryPath);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

void FormFixture::writeLibrary(const QByteArray& bytes) const {
    QFile file(libraryPath);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
}
