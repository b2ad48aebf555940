#include "ui/context_menu.h"

#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>

namespace vorlix {

namespace {

template <typename Box> void offer(Box* box, const QList<QAction*>& entries) {
    box->setContextMenuPolicy(Qt::CustomContextMenu);
    QObject::connect(box, &QWidget::customContextMenuRequested, box, [box, entries](QPoint at) {
        QMenu* menu = box->createStandardContextMenu();
        menu->setAttribute(Qt::WA_DeleteOnClose);
        menu->addSeparator();
        menu->addActions(entries);
        menu->popup(box->mapToGlobal(at));
    });
}

} // namespace

void offerInContextMenu(QLineEdit* box, const QList<QAction*>& entries) {
    offer(box, entries);
}

void offerInContextMenu(QPlainTextEdit* box, const QList<QAction*>& entries) {
    offer(box, entries);
}

} // namespace vorlix
