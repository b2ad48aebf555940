#include "ui/form1.h"

#include "editor/column_encoding.h"
#include "library/library_format.h"
#include "library/preview.h"
#include "render/app_icon.h"
#include "table/make_table.h"
#include "ui/control_tips.h"
#include "ui/font_list_model.h"
#include "ui/one_line_box.h"
#include "ui/pixel_button.h"
#include "ui/pixel_grid.h"
#include "ui/twips.h"
#include "ui/wrapping_check_box.h"

#include <QApplication>
#include <QClipboard>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>

namespace vorlix {

namespace {

QString indexed(const char* name, int index) {
    return QStringLiteral("%1(%2)").arg(QLatin1String(name)).arg(index);
}

template <typename Widget>
Widget* place(Widget* widget, const QString& name, const QRect& geometry) {
    widget->setObjectName(name);
    widget->setGeometry(geometry);
    return widget;
}

QLabel* label(QWidget* parent, const char* name, const QString& text, const QRect& geometry) {
    return place(new QLabel(text, parent), QLatin1String(name), geometry);
}

QLineEdit* centredBox(QWidget* parent, const QString& name, const QRect& geometry) {
    auto* box = place(new QLineEdit(parent), name, geometry);
    box->setAlignment(Qt::AlignCenter);
    return box;
}

QPushButton* button(QWidget* parent, const char* name, const QString& caption,
                    const QRect& geometry) {
    return place(new QPushButton(caption, parent), QLatin1String(name), geometry);
}

QCheckBox* checkBox(QWidget* parent, const char* name, const QString& caption,
                    const QRect& geometry) {
    return place(new WrappingCheckBox(caption, parent), QLatin1String(name), geometry);
}

// The 5x8 grids: index i runs down a column, then on to the next column.
QRect pixelGeometry(int i) {
    return twipRect(120 + 240 * (i / 8), 240 + 240 * (i % 8), 192, 192);
}

// The layout was made for a narrow dialog font about 11 pixels high; a
// narrow face keeps every caption whole inside its box.
QFont dialogFont() {
    QFont font;
    font.setFamilies({QStringLiteral("Nimbus Sans Narrow"), QStringLiteral("DejaVu Sans")});
    font.setPixelSize(11);
    return font;
}

QString forDisplay(const std::string& text) {
    return QString::fromStdString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

} // namespace

Form1::Form1(LibraryLocation library, MessageBoxHandler showMessage, QWidget* parent)
    : QWidget(parent), session_(std::move(library)), showMessage_(std::move(showMessage)) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(tr("Propeller Vorlix Generator"));
    setWindowIcon(appIcon());
    setFont(dialogFont());
    setFixedSize(twipsToPixels(7350), twipsToPixels(6525));

    buildEditor();
    buildMessageArea();
    buildFontsList();
    buildGridTools();
    buildListMenu();
    buildSpinPreview();
    explainMainWindow(this);
    Form_Load();
}

void Form1::buildEditor() {
    // Everything the fonts list covers when shown, so it can be shut off then.
    editorRegion_ =
        place(new QWidget(this), QStringLiteral("editorRegion"), twipRect(0, 0, 7215, 2775));
    QWidget* region = editorRegion_;

    fraFont0 = place(new QGroupBox(tr("5x8 Font"), region), indexed("fraFont", 0),
                     twipRect(120, 120, 1410, 2250));
    for (int i = 0; i < 40; ++i) {
        auto* pixel =
            place(new PixelButton(fraFont0), indexed("cmdPixel", i + 1), pixelGeometry(i));
        pixel->setCell(i / 8 + 1, i % 8 + 1);
        connect(pixel, &PixelButton::clicked, this, [this, i] { cmdPixel_Click(i + 1); });
        cmdPixel[i] = pixel;
    }
    new PixelGrid(cmdPixel, this); // owned by the window

    Label1[0] = place(new QLabel(tr("lsb  Binary  msb"), region), indexed("Label1", 0),
                      twipRect(1920, 0, 1095, 195));
    Label1[1] =
        place(new QLabel(tr("Hex"), region), indexed("Label1", 1), twipRect(3720, 0, 285, 195));
    Label1[2] =
        place(new QLabel(tr("Dec"), region), indexed("Label1", 2), twipRect(4800, 0, 300, 195));
    for (int k = 0; k < 5; ++k) {
        const int top = 240 + 360 * k;
        col[k] = centredBox(region, indexed("col", k + 1), twipRect(1560, top, 1695, 285));
        txtHEX[k] = centredBox(region, indexed("txtHEX", k + 1), twipRect(3360, top, 1095, 285));
        txtDec[k] = centredBox(region, indexed("txtDec", k + 1), twipRect(4560, top, 735, 285));
    }

    chkInvert = checkBox(region, "chkInvert", tr("Invert &Bits"), twipRect(5520, 240, 1575, 255));
    chkINVCOLS = checkBox(region, "chkINVCOLS", tr("Invert Columns in &file"),
                          twipRect(5520, 600, 1575, 375));
    chkMSB = checkBox(region, "chkMSB", tr("&Swap MSB/ LSB"), twipRect(5520, 1080, 1575, 375));
    connect(chkInvert, &QCheckBox::clicked, this, &Form1::chkInvert_Click);
    connect(chkMSB, &QCheckBox::clicked, this, &Form1::chkMSB_Click);

    QLabel* charCaption = label(region, "Label2", tr("CHAR:"), twipRect(360, 2400, 495, 195));
    txtABC = place(new QLineEdit(region), QStringLiteral("txtABC"), twipRect(960, 2400, 495, 285));
    // A box is named to screen readers by the label whose buddy it is.
    charCaption->setBuddy(txtABC);
    txtABC->setToolTip(tr("Enter Char here that represents the font data created."));
    cmdSAVE = button(region, "cmdSAVE", tr("&Append to file"), twipRect(1560, 2400, 3735, 255));
    Command2 = button(region, "Command2", tr("&Clear Font Data"), twipRect(5400, 2400, 1695, 255));
    connect(cmdSAVE, &QPushButton::clicked, this, &Form1::cmdSAVE_Click);
    connect(Command2, &QPushButton::clicked, this, &Form1::Command2_Click);
}

void Form1::buildMessageArea() {
    auto* line = place(new QFrame(this), QStringLiteral("Line1"),
                       QRect(0, twipsToPixels(2760), twipsToPixels(7200), 1));
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Plain);

    QLabel* messageCaption =
        label(this, "Label4", tr("Message Editor"), twipRect(120, 2880, 1095, 195));
    cmdLIST = button(this, "cmdLIST", tr("View Font &List"), twipRect(5400, 2880, 1815, 255));
    txtMSG = place(new QLineEdit(QStringLiteral("Hello World!"), this), QStringLiteral("txtMSG"),
                   twipRect(120, 3120, 5175, 375));
    txtMSG->setMaxLength(42);
    keepOnOneLine(txtMSG);
    messageCaption->setBuddy(txtMSG);
    txtDATA =
        place(new QPlainTextEdit(this), QStringLiteral("txtDATA"), twipRect(120, 3600, 5175, 2535));
    txtDATA->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    txtDATA->setLineWrapMode(QPlainTextEdit::NoWrap);
    // The table has no use for tab characters; Tab moves on as in every box.
    txtDATA->setTabChangesFocus(true);
    chkBLANK = checkBox(this, "chkBLANK", tr("Add blank Column after each Char."),
                        twipRect(5400, 3600, 1815, 495));
    QLabel* prefixCaption = label(this, "Label3", tr("Hex Prefix"), twipRect(5400, 4200, 720, 195));
    txtPrefix = place(new QLineEdit(QStringLiteral("0x"), this), QStringLiteral("txtPrefix"),
                      twipRect(6240, 4200, 375, 285));
    txtPrefix->setMaxLength(2);
    keepOnOneLine(txtPrefix);
    prefixCaption->setBuddy(txtPrefix);
    cmdTABLE = button(this, "cmdTABLE", tr("Convert &Text"), twipRect(5400, 5520, 1815, 255));
    Command1 =
        button(this, "Command1", tr("Copy Data to Clipboard"), twipRect(5400, 5880, 1815, 255));
    connect(cmdLIST, &QPushButton::clicked, this, &Form1::cmdLIST_Click);
    connect(cmdTABLE, &QPushButton::clicked, this, &Form1::cmdTABLE_Click);
    connect(Command1, &QPushButton::clicked, this, &Form1::Command1_Click);
}

void Form1::buildFontsList() {
    fraFONTS = place(new QGroupBox(tr("Fonts List"), this), QStringLiteral("fraFONTS"),
                     twipRect(0, 0, 7215, 2775));
    fraFONTS->setAutoFillBackground(true);
    fraFONTS->hide();

    fontLines_ = new FontListModel(this);
    lstFONTS =
        place(new QListView(fraFONTS), QStringLiteral("lstFONTS"), twipRect(120, 240, 5415, 2400));
    lstFONTS->setModel(fontLines_);
    lstFONTS->setUniformItemSizes(true);
    lstFONTS->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // The selection, not the current row: a list that merely gets focus makes
    // a row current that nobody picked.
    connect(lstFONTS->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &Form1::lstFONTS_Click);

    auto* preview = place(new QGroupBox(tr("Font Preview"), fraFONTS), indexed("fraFont", 1),
                          twipRect(5640, 240, 1410, 2250));
    for (int i = 0; i < 40; ++i) {
        cmdPIX[i] = place(new PixelButton(preview), indexed("cmdPIX", i), pixelGeometry(i));
        cmdPIX[i]->setFocusPolicy(Qt::NoFocus);
        cmdPIX[i]->setCell(i / 8 + 1, i % 8 + 1);
    }
}

QMessageBox::StandardButton Form1::message(const QString& text, QMessageBox::Icon icon,
                                           QMessageBox::StandardButtons buttons,
                                           const QString& title,
                                           QMessageBox::StandardButton defaultButton,
                                           const QString& drawing) {
    if (defaultButton == QMessageBox::NoButton) {
        defaultButton = buttons.testFlag(QMessageBox::Yes) ? QMessageBox::Yes : QMessageBox::Ok;
    }
    return showMessage_(this, {title.isEmpty() ? windowTitle() : title, text, icon, buttons,
                               defaultButton, drawing});
}

void Form1::Form_Load() {
    const QString problem = LOADDATA();
    fraFONTS->move(0, 0);
    fraFONTS->raise();
    if (!problem.isEmpty()) {
        // Told once the window is up, so the user sees what it is about.
        QTimer::singleShot(0, this, [this, problem] { message(problem, QMessageBox::Warning); });
    }
}

BitOptions Form1::bitOptions() const {
    // Unticked, a lit dot is a 0 bit (LitBit 0, DarkBit 1), lsb first.
    return {chkInvert->isChecked(), chkMSB->isChecked()};
}

void Form1::CONVERT() {
    const GlyphTexts columns = encodeColumns(glyph_, bitOptions());
    for (int c = 0; c < 5; ++c) {
        col[c]->setText(QString::fromStdString(columns[c].binary));
        txtHEX[c]->setText(QString::fromStdString(columns[c].hex));
        txtDec[c]->setText(QString::fromStdString(columns[c].decimal));
    }
}

void Form1::showGlyph() {
    for (int i = 0; i < Glyph::columns * Glyph::rows; ++i) {
        cmdPixel[i]->setColour(glyph_.lit(i / Glyph::rows, i % Glyph::rows) ? PixelButton::lit()
                                                                            : PixelButton::dark());
    }
}

void Form1::cmdPixel_Click(int index) {
    Glyph changed = glyph_;
    changed.toggle((index - 1) / Glyph::rows, (index - 1) % Glyph::rows);
    changeGlyph(changed);
}

void Form1::chkInvert_Click() {
    CONVERT();
}

void Form1::chkMSB_Click() {
    Label1[0]->setText(chkMSB->isChecked() ? tr("msb  Binary   lsb") : tr("lsb  Binary   msb"));
    CONVERT();
}

void Form1::Command2_Click() {
    // Undoable, but converted only by the next change, as before.
    changeGlyph({}, [this] {
        for (int c = 0; c < 5; ++c) {
            col[c]->clear();
            txtHEX[c]->clear();
            txtDec[c]->clear();
        }
        txtABC->clear();
    });
}

void Form1::cmdSAVE_Click() {
    if (txtABC->text().isEmpty()) {
        message(tr("You must enter a char representing the data you entered!"),
                QMessageBox::Critical);
        txtABC->setFocus();
        return;
    }
    CONVERT();
    SAVEDATA();
    reloadAndTell();
}

void Form1::SAVEDATA() {
    FONTREC record{txtABC->text().toStdString(), {}};
    for (int c = 0; c < 5; ++c) {
        record.HEX[c] = txtHEX[c]->text().toStdString();
    }
    const auto replaceConfirmed = [this] {
        return message(tr("The font data is already in the list. \r\nWould you like to "
                          "replace it?"),
                       QMessageBox::Question, QMessageBox::Yes | QMessageBox::No,
                       tr("Replace Font Data?")) == QMessageBox::Yes;
    };
    const LibraryWrite saved = session_.save(record, chkINVCOLS->isChecked(), replaceConfirmed);
    if (const QString words = words_.saved(saved, record); !words.isEmpty()) {
        message(words, saved.ok() ? QMessageBox::Information : QMessageBox::Critical);
    }
}

QString Form1::LOADDATA() {
    fontLines_->setTable(nullptr); // the view lets go of the old table first
    const LibraryReload reload = session_.reload();
    explain(fraFONTS, words_.description()); // the library file, as it may change
    fontLines_->setTable(&session_.table());
    emit libraryLoaded();
    return words_.reloaded(reload);
}

void Form1::reloadAndTell() {
    const QString problem = LOADDATA();
    if (!problem.isEmpty()) {
        message(problem, QMessageBox::Warning);
    }
}

void Form1::refreshLibrary() {
    if (session_.changedOnDisk()) {
        reloadAndTell();
    }
}

void Form1::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    // Back from another program, which may have changed the library: the list
    // shows the file as it is. Never while a question is open, as the window
    // is not active then.
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) {
        refreshLibrary();
    }
}

void Form1::buildListMenu() {
    FontsListMenu::Window window;
    window.widget = this;
    window.ask = [this](const MessageBoxRequest& request) {
        return message(request.text, request.icon, request.buttons, request.title,
                       request.defaultButton, request.drawing);
    };
    window.bitOptions = [this] { return bitOptions(); };
    window.reload = [this] { reloadAndTell(); };
    window.refresh = [this] { refreshLibrary(); };
    window.edit = [this](const Glyph& glyph, const QString& character) {
        changeGlyph(glyph);
        txtABC->setText(character);
        if (fraFONTS->isVisible()) {
            cmdLIST_Click(); // as "Hide fonts list" hides it, so the editor can be reached
        }
    };
    listMenu_ = new FontsListMenu(lstFONTS, session_, std::move(window));
}

void Form1::lstFONTS_Click(const QItemSelection& selected) {
    // A line deselected with Ctrl+click leaves its glyph shown.
    const QModelIndexList lines = selected.indexes();
    if (lines.isEmpty()) {
        return;
    }
    // Line k of the list shows record k of the table: both are in file order.
    const int row = lines.constFirst().row();
    if (static_cast<std::size_t>(row) >= session_.table().size()) {
        return;
    }
    const Preview preview = previewGlyph(session_.table()[row], BinDigits);
    BinDigits = preview.digits;
    for (int i = 0; i < 40; ++i) {
        cmdPIX[i]->setColour(preview.lit[i] ? PixelButton::lit() : PixelButton::dark());
    }
}

void Form1::cmdTABLE_Click() {
    txtDATA->clear();
    tableText_ = MAKETABLE(txtMSG->text().toStdString(), txtPrefix->text().toStdString(),
                           chkBLANK->isChecked(), session_.table());
    txtDATA->setPlainText(forDisplay(tableText_));
}

void Form1::Command1_Click() {
    const QString shown = txtDATA->toPlainText();
    if (shown.isEmpty()) {
        message(tr("You must convert the typed text first,\r\nBefore you can copy it to the "
                   "system clipboard."),
                QMessageBox::Information);
        return;
    }
    // Unedited, the box holds the table, whose exact text (CR LF, no-break
    // spaces) the box does not give back; edited, the box's lines count.
    const QString text = txtDATA->document()->isModified()
                             ? QString(shown).replace(QLatin1Char('\n'), QStringLiteral("\r\n"))
                             : QString::fromStdString(tableText_);

    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    clipboard->setText(text);
    if (clipboard->text() != text) {
        message(tr("The system clipboard could not be written; another program may be holding "
                   "it.\r\nPlease try again."),
                QMessageBox::Warning);
        return;
    }
    message(tr("The data has been copied to the system clipboard."), QMessageBox::NoIcon);
}

void Form1::cmdLIST_Click() {
    const bool show = fraFONTS->isHidden();
    cmdLIST->setText(show ? tr("Hide fonts list") : tr("View fonts list"));
    fraFONTS->setVisible(show);
    editorRegion_->setEnabled(!show);
}

} // namespace vorlix
