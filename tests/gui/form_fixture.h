#pragma once
// A real window on a library in a temporary folder, with every modal message
// recorded and answered from a queue instead of shown.

#include "ui/form1.h"

#include <QApplication>
#include <QTemporaryDir>
#include <QTest>

#include <functional>
#include <memory>

// A failed check inside a helper returns from the helper only; this ends the
// calling test as well.
#define CALL(helper)                                                                               \
    do {                                                                                           \
        helper;                                                                                    \
        if (QTest::currentTestFailed()) {                                                          \
            return;                                                                                \
        }                                                                                          \
    } while (false)

// One row of test data, kept on one line.
template <typename... Values> void addRow(const char* tag, const Values&... values) {
    (QTest::newRow(tag) << ... << values);
}

class FormFixture {
public:
    // On a library file holding these bytes, or whatever prepare makes of the
    // library's path. A window that never becomes exposed fails the test.
    explicit FormFixture(const QByteArray& libraryBytes = {});
    explicit FormFixture(const std::function<void(const QString& libraryPath)>& prepare);

    template <typename Widget = QWidget> Widget* find(const QString& name) const {
        return form->findChild<Widget*>(name);
    }
    QString text(const QString& name) const; // of a box, label or button
    void setText(const QString& name, const QString& text) const;
    // Blank-separated steps: a number clicks that editor pixel, Yes and No
    // queue an answer, any other word clicks the button of that name.
    void act(const QString& steps);
    // Keys by name ("Tab Shift+Tab Space"), each sent to whatever has focus.
    void press(const QString& keys) const;
    static QString focusName() {
        return QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : "";
    }
    // The 40 dots of the editor or the preview as five columns, top to
    // bottom, 'X' lit: "X....... ........ ........ ........ ........".
    QString editorDots() const { return dots(QStringLiteral("cmdPixel(%1)"), 1); }
    QString previewDots() const { return dots(QStringLiteral("cmdPIX(%1)"), 0); }
    QStringList listLines() const;
    QStringList messages() const; // each as "icon buttons default | title | text"
    QByteArray library() const;
    void writeLibrary(const QByteArray& bytes) const;

    QTemporaryDir dir;
    QString libraryPath;
    QList<vorlix::MessageBoxRequest> shown;
    QList<QMessageBox::StandardButton> answers; // taken in turn; Ok when empty
    std::unique_ptr<vorlix::Form1> form;

private:
    QString dots(const QString& pattern, int first) const;
};
