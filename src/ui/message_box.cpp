#include "ui/message_box.h"

#include <QFontDatabase>
#include <QGridLayout>
#include <QLabel>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>

#include <algorithm>

namespace vorlix {

namespace {

// QMessageBox grows with its text; a long list would push the buttons off
// the screen. Its label is put in a scroll area as high as leaves room.
void scrollLongText(QMessageBox& box, QWidget* parent) {
    auto* label = box.findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
    const QScreen* screen = parent != nullptr ? parent->screen() : box.screen();
    if (label == nullptr || screen == nullptr || box.layout() == nullptr) {
        return;
    }
    const int room = screen->availableGeometry().height() * 2 / 3;
    const int width = std::min(label->sizeHint().width(), screen->availableGeometry().width() / 2);
    if (label->heightForWidth(width) <= room) {
        return;
    }
    auto* scroll = new QScrollArea(&box);
    scroll->setObjectName(QStringLiteral("messageScroll"));
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(true);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    delete box.layout()->replaceWidget(label, scroll); // the label's old item is ours
    scroll->setWidget(label);
    scroll->setFixedSize(width + scroll->verticalScrollBar()->sizeHint().width(), room);
}

} // namespace

QMessageBox::StandardButton modalMessageBox(QWidget* parent, const MessageBoxRequest& request) {
    QString text = request.text;
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    QMessageBox box(request.icon, request.title, text, request.buttons, parent);
    if (!request.drawing.isEmpty()) {
        box.setTextFormat(Qt::RichText);
        const QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
        box.setText(
            text.toHtmlEscaped().replace(QLatin1Char('\n'), QStringLiteral("<br>")) +
            QStringLiteral("<pre style=\"font-family:'%1'\">%2</pre>")
                .arg(fixed.family(), QString(request.drawing)
                                         .replace(QStringLiteral("\r\n"), QStringLiteral("\n"))
                                         .toHtmlEscaped()));
    }
    if (request.defaultButton != QMessageBox::NoButton) {
        box.setDefaultButton(request.defaultButton);
    }
    scrollLongText(box, parent);
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

} // namespace vorlix
