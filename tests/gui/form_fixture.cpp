#include "gui/form_fixture.h"

#include "library/library_store.h"

#include <QApplication>
#include <QFile>
#include <QTest>

FormFixture::FormFixture() : FormFixture([](const QString&) {}) {}

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
    if (!QTest::qWaitForWindowExposed(form.get())) {
        qWarning("the window was not exposed");
    }
}

void FormFixture::click(const QString& buttonName) const {
    auto* button = find<QAbstractButton>(buttonName);
    QVERIFY2(button != nullptr, qPrintable(buttonName));
    QTest::mouseClick(button, Qt::LeftButton);
}

void FormFixture::clickPixel(int index) const {
    click(QStringLiteral("cmdPixel(%1)").arg(index));
}

void FormFixture::press(const QString& keys) const {
    for (const QString& name : keys.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const QKeyCombination key = QKeySequence(name)[0];
        QWidget* focused = QApplication::focusWidget();
        QVERIFY2(focused != nullptr, qPrintable(name));
        QTest::keyClick(focused, key.key(), key.keyboardModifiers());
    }
}

QString FormFixture::focusName() const {
    const QWidget* focused = QApplication::focusWidget();
    return focused ? focused->objectName() : QString();
}

QByteArray FormFixture::library() const {
    QFile file(libraryPath);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

void FormFixture::writeLibrary(const QByteArray& bytes) const {
    QFile file(libraryPath);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}
