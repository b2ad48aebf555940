#pragma once
// A real window on a library in a temporary folder, with every modal message
// recorded and answered from a queue instead of shown.

#include "ui/form1.h"
#include "ui/message_box.h"

#include <QAbstractButton>
#include <QByteArray>
#include <QList>
#include <QTemporaryDir>

#include <memory>

class FormFixture {
public:
    // Writes libraryBytes as FONTSDAT.txt first, unless it is null.
    explicit FormFixture(const char* libraryBytes = nullptr, qsizetype size = -1);

    template <typename Widget> Widget* find(const QString& name) const {
        return form->findChild<Widget*>(name);
    }

    void click(const QString& buttonName) const;
    void clickPixel(int index) const;
    QByteArray library() const;
    void writeLibrary(const QByteArray& bytes) const;

    QTemporaryDir dir;
    QString libraryPath;
    QList<vorlix::MessageBoxRequest> shown;
    QList<QMessageBox::StandardButton> answers; // taken in turn; Ok when empty
    std::unique_ptr<vorlix::Form1> form;
};
