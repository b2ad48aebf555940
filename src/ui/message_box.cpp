#include "ui/message_box.h"

namespace vorlix {

QMessageBox::StandardButton modalMessageBox(QWidget* parent, const MessageBoxRequest& request) {
    QString text = request.text;
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    QMessageBox box(request.icon, request.title, text, request.buttons, parent);
    if (request.defaultButton != QMessageBox::NoButton) {
        box.setDefaultButton(request.defaultButton);
    }
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

} // namespace vorlix
