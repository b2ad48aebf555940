#pragma once
// A real window on a library in a temporary folder, with every modal message
// recorded and answered from a queue instead of shown.

#include "ui/form1.h"

#include <QApplication>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

// A failed check in a helper returns from the helper only; this ends the test.
#define CALL(helper)                                                                               \
    do {                                                                                           \
        helper;                                                                                    \
        if (QTest::currentTestFailed())                                                            \
            return;                                                                                \
    } while (false)

// One row of test data on one line.
template <typename... Values> void addRow(const char* tag, const Values&... values) {
    (QTest::newRow(tag) << ... << values);
}

class FormFixture {
public:
    // On a library file holding these bytes, or whatever prepare makes of its
    // path. A window that never becomes exposed fails the test.
    explicit FormFixture(const QByteArray& libraryBytes = {});
    explicit FormFixture(const std::function<void(const QString& libraryPath)>& prepare);

    template <typename Widget = QWidget> Widget* find(const QString& name) const {
        return form->findChild<Widget*>(name);
    }
    QString text(const QString& name) const; // of a box, label or button
    void setText(const QString& name, const QString& text) const;
    // Blank-separated steps: a number clicks that editor pixel, Yes and No
    // queue an answer, a button's name clicks it, and anything else is a key
    // ("Tab", "Shift+Tab") for whatever has focus.
    void act(const QString& steps);
    // Opens the box's context menu and triggers its entry; false for none.
    bool chooseFromMenu(const QString& box, const QString& entry) const;
    static QString focusName() {
        return QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : "";
    }
    // The 40 dots of the editor or the preview as five columns, top down.
    QString editorDots() const { return dots("cmdPixel(%1)", 1); }
    QString previewDots() const { return dots("cmdPIX(%1)", 0); }
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
