// The spin preview, opened with F5 or from the message's and the table's
// context menus. It follows the message, the bit options, the blank column
// and the library as they change here.

#include "ui/form1.h"

#include "table/stick_columns.h"
#include "ui/spin_preview.h"

#include <QAction>
#include <QCheckBox>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>

namespace vorlix {

namespace {

// The box's own menu, with the preview below.
template <typename Box> void offerInContextMenu(Box* box, QAction* preview) {
    box->setContextMenuPolicy(Qt::CustomContextMenu);
    QObject::connect(box, &QWidget::customContextMenuRequested, box, [box, preview](QPoint at) {
        QMenu* menu = box->createStandardContextMenu();
        menu->setAttribute(Qt::WA_DeleteOnClose);
        menu->addSeparator();
        menu->addAction(preview);
        menu->popup(box->mapToGlobal(at));
    });
}

} // namespace

void Form1::buildSpinPreview() {
    auto* preview = new QAction(tr("Spin preview"), this);
    preview->setObjectName(QStringLiteral("Spin preview"));
    preview->setShortcut(QKeySequence(Qt::Key_F5));
    connect(preview, &QAction::triggered, this, &Form1::showSpinPreview);
    addAction(preview); // F5 anywhere in the window
    offerInContextMenu(txtMSG, preview);
    offerInContextMenu(txtDATA, preview);
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
    }
    spinPreview_->show();
    spinPreview_->raise();
    spinPreview_->activateWindow();
}

} // namespace vorlix
