#pragma once
// The tool's one window: the glyph editor, the message area and the fonts
// list. Handlers read the controls, call the core and write the controls.

#include "editor/glyph.h"
#include "editor/glyph_tools.h"
#include "library/converter.h"
#include "library/font_record.h"
#include "library/library_format.h"
#include "library/library_session.h"
#include "ui/fonts_list_menu.h"
#include "ui/library_words.h"
#include "ui/message_box.h"

#include <QWidget>

#include <array>
#include <functional>
#include <optional>
#include <string>

class QCheckBox;
class QGroupBox;
class QItemSelection;
class QLabel;
class QLineEdit;
class QListView;
class QPlainTextEdit;
class QPushButton;
class QUndoStack;

namespace vorlix {

class FontListModel;
class PixelButton;
class SpinPreview;

class Form1 : public QWidget {
    Q_OBJECT
public:
    // library is the FONTSDAT.txt to use; showMessage shows every modal
    // message and returns the button chosen.
    explicit Form1(LibraryLocation library, MessageBoxHandler showMessage = modalMessageBox,
                   QWidget* parent = nullptr);

    // Chooses the font that "Import font..." reads; empty when cancelled.
    // A file dialog unless replaced (the tests answer it).
    void setFontChooser(FontsListMenu::FontChooser chooser) {
        listMenu_->setFontChooser(std::move(chooser));
    }

signals:
    void libraryLoaded(); // the table holds the library as read anew

protected:
    void changeEvent(QEvent* event) override;

private:
    void buildEditor();
    void buildMessageArea();
    void buildFontsList();

    void Form_Load();
    void cmdPixel_Click(int index);
    void chkInvert_Click();
    void chkMSB_Click();
    void Command2_Click();
    void cmdSAVE_Click();
    void SAVEDATA();
    void lstFONTS_Click(const QItemSelection& selected);
    void cmdTABLE_Click();
    void Command1_Click();
    void cmdLIST_Click();
    void CONVERT();
    void showGlyph();

    // The grid tools and their undo (form1_grid_tools.cpp).
    void buildGridTools();
    // One undo step: the glyph shown and converted, or shown and then
    // shownInstead run in place of the conversion.
    void changeGlyph(const Glyph& changed, const std::function<void()>& shownInstead = {});
    void setGlyph(const Glyph& glyph); // shown and converted, as undo and redo do

    // The fonts list's menu (fonts_list_menu.cpp) and what it asks of the window.
    void buildListMenu();
    void reloadAndTell();
    void refreshLibrary(); // reloads only when another program changed the file

    // The spin preview (form1_spin.cpp).
    void buildSpinPreview();
    void showSpinPreview();

    // Reloads the table and the list; returns what went wrong, if anything.
    QString LOADDATA();
    // The bit options the window is using: its check boxes.
    BitOptions bitOptions() const;

    QMessageBox::StandardButton
    message(const QString& text, QMessageBox::Icon icon,
            QMessageBox::StandardButtons buttons = QMessageBox::Ok, const QString& title = {},
            QMessageBox::StandardButton defaultButton = QMessageBox::NoButton,
            const QString& drawing = {});

    LibrarySession session_;
    LibraryWords words_{session_};
    const MessageBoxHandler showMessage_;

    Glyph glyph_; // the glyph being edited; the pixel buttons show it
    QUndoStack* undo_ = nullptr;
    FontsListMenu* listMenu_ = nullptr;
    BINREC BinDigits;
    std::string tableText_;

    QWidget* editorRegion_ = nullptr;
    QGroupBox* fraFont0 = nullptr;
    std::array<PixelButton*, 40> cmdPixel{};
    std::array<QLabel*, 3> Label1{};
    std::array<QLineEdit*, 5> col{};
    std::array<QLineEdit*, 5> txtHEX{};
    std::array<QLineEdit*, 5> txtDec{};
    QCheckBox* chkInvert = nullptr;
    QCheckBox* chkINVCOLS = nullptr;
    QCheckBox* chkMSB = nullptr;
    QLineEdit* txtABC = nullptr;
    QPushButton* cmdSAVE = nullptr;
    QPushButton* Command2 = nullptr;

    QPushButton* cmdLIST = nullptr;
    QLineEdit* txtMSG = nullptr;
    QPlainTextEdit* txtDATA = nullptr;
    QCheckBox* chkBLANK = nullptr;
    QLineEdit* txtPrefix = nullptr;
    QPushButton* cmdTABLE = nullptr;
    QPushButton* Command1 = nullptr;

    QGroupBox* fraFONTS = nullptr;
    QListView* lstFONTS = nullptr;
    FontListModel* fontLines_ = nullptr;
    std::array<PixelButton*, 40> cmdPIX{};
    SpinPreview* spinPreview_ = nullptr;
};

} // namespace vorlix
