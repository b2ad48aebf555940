#pragma once
// Every modal message of the window goes through one handler, so that tests
// can read what would be shown and answer it.

#include <QMessageBox>
#include <QString>

#include <functional>

namespace vorlix {

struct MessageBoxRequest {
    QString title{};
    QString text{}; // lines may be separated by CR LF
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons = QMessageBox::Ok;
    QMessageBox::StandardButton defaultButton = QMessageBox::NoButton;
    QString drawing{}; // lines in a fixed-width font under the text, such as glyphs in '#'
};

using MessageBoxHandler =
    std::function<QMessageBox::StandardButton(QWidget* parent, const MessageBoxRequest&)>;

// Shows the request as a modal QMessageBox and returns the button chosen.
// A text too long for the screen scrolls inside the box.
QMessageBox::StandardButton modalMessageBox(QWidget* parent, const MessageBoxRequest& request);

} // namespace vorlix
