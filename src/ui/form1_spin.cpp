// The spin preview, opened with F5 or from the message's and the table's
// context menus, and "Send to stick...", from the message's menu and the
// preview. Both follow the message and the blank column as they change here;
// the preview follows the bit options and the library too.

#include "ui/form1.h"

#include "table/stick_columns.h"
#include "ui/centred_window.h"
#include "ui/context_menu.h"
#include "ui/send_dialog.h"
#include "ui/spin_preview.h"

#include <QAction>
#include <QCheckBox>
#include <QLineEdit>
#include <QPlainTextEdit>

namespace vorlix {

void Form1::buildSpinPreview() {
    auto* preview = new QAction(tr("Spin preview"), this);
    preview->setObjectName(QStringLiteral("Spin preview"));
    preview->setShortcut(QKeySequence(Qt::Key_F5));
    connect(preview, &QAction::triggered, this, &Form1::showSpinPreview);
    addAction(preview); // F5 anywhere in the window
    auto* send = new QAction(tr("Send to stick..."), this);
    connect(send, &QAction::triggered, this, &Form1::showSendDialog);
    offerInContextMenu(txtMSG, {preview, send});
    offerInContextMenu(txtDATA, {preview});
}

void Form1::showSpinPreview() {
    if (!spinPreview_) {
        const auto columns = [this](bool blank) {
            return stickColumns(txtMSG->text().toStdString(), blank, session_.table(),
                                bitOptions());
        };
        spinPreview_ = new SpinPreview(columns, showMessage_, this);
        spinPreview_->setBlank(chkBLANK->isChecked());
        const auto follow = [this] { spinPreview_->columnsChanged(); };
        connect(txtMSG, &QLineEdit::textChanged, spinPreview_, follow);
        connect(chkInvert, &QCheckBox::toggled, spinPreview_, follow);
        connect(chkMSB, &QCheckBox::toggled, spinPreview_, follow);
        connect(this, &Form1::libraryLoaded, spinPreview_, follow);
        connect(chkBLANK, &QCheckBox::toggled, spinPreview_, &SpinPreview::setBlank);
        connect(spinPreview_, &SpinPreview::blankToggled, chkBLANK, &QCheckBox::setChecked);
        connect(spinPreview_, &SpinPreview::sendRequested, this, &Form1::showSendDialog);
    }
    showOnTop(spinPreview_);
}

void Form1::showSendDialog() {
    if (!sendDialog_) {
        sendDialog_ = new SendDialog(
            txtMSG, chkBLANK, [this]() -> auto& { return session_.table(); }, this);
    }
    showOnTop(sendDialog_);
}

} // namespace vorlix
