#include "ui/one_line_box.h"

#include <QLineEdit>
#include <QRegularExpression>

namespace vorlix {

void keepOnOneLine(QLineEdit* box) {
    QObject::connect(box, &QLineEdit::textChanged, box, [box](const QString& text) {
        static const QRegularExpression lineBreak(
            QStringLiteral("\\r\\n|[\\r\\n\\v\\f\\x{85}\\x{2028}\\x{2029}]"));
        if (!text.contains(lineBreak)) {
            return;
        }
        const int cursor = box->cursorPosition();
        box->setText(QString(text).replace(lineBreak, QStringLiteral(" ")));
        box->setCursorPosition(cursor);
    });
}

} // namespace vorlix
