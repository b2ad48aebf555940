#pragma once
// A text box's own context menu (cut, copy, paste, ...) with the window's
// entries for it below a separator.

#include <QList>

class QAction;
class QLineEdit;
class QPlainTextEdit;

namespace vorlix {

void offerInContextMenu(QLineEdit* box, const QList<QAction*>& entries);
void offerInContextMenu(QPlainTextEdit* box, const QList<QAction*>& entries);

} // namespace vorlix
