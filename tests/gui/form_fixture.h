#pragma once
// A real window on a library in a temporary folder, with every modal message
// recorded and answered from a queue instead of shown.

#include "ui/form1.h"
#include "ui/message_box.h"

#include <QAbstractButton>
#include <QByteArray>
#include <QList>
#include <QTemporaryDir>

#include <functional>
#include <memory>

class FormFixture {
public:
    // Without a library file, with one holding these bytes, or with whatever
    // prepare makes of the library's path before the window opens.
    FormFixture();
    explicit FormFixture(const QByteArray& libraryBytes);
    explicit FormFixture(const std::function<void(const QString& libraryPath)>& prepare);

    template <typename Widget> Widget* find(const QString& name) const {
        return form->findChild<Widget*>(name);
    }

    void click(const QString& buttonName) const;
    void clickPixel(int index) const;
    // Keys by name, blank-separated ("Tab Ctrl+Down Space"), each sent to
    // whatever has focus when it comes.
    void press(const QString& keys) const;
    QString focusName() const; // of the widget with keyboard focus, if any
    QByteArray library() const;
    void writeLibrary(const QByteArray& bytes) const;

    QTemporaryDir dir;
    QString libraryPath;
    QList<vorlix::MessageBoxRequest> shown;
    QList<QMessageBox::StandardButton> answers; // taken in turn; Ok when empty
    std::unique_ptr<vorlix::Form1> form;
};
