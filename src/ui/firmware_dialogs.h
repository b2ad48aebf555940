#pragma once
// The fonts list's two firmware dialogs: a whole font written as a table
// for firmware, and a firmware's table read back into glyphs. Both show a
// preview of what the core makes of the choices, word the core's answers,
// and remember the choices (QSettings) for the next time.

#include "library/font_record.h"
#include "table/table_file.h"
#include "ui/message_box.h"

#include <QDateTime>
#include <QDialog>

#include <functional>
#include <initializer_list>
#include <utility>

class QCheckBox;
class QComboBox;
class QFormLayout;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace vorlix {

// A modal question or message put by a dialog; an empty title is the dialog's.
using DialogAsk = std::function<QMessageBox::StandardButton(const MessageBoxRequest&)>;

// What "Export font table..." remembers.
struct FontExportSettings {
    QString format = QStringLiteral("dt");
    QString characters = QStringLiteral("32-126");
    QString label = QStringLiteral("vorlix_font");
    bool blank = false;
    bool invert = false;
    bool swap = false;
    bool widths = false;
    bool proportional = false;
    bool reverse = false;
    QString file;

    static FontExportSettings load();
    void save() const;
};

// What "Import firmware table..." remembers.
struct TableImportSettings {
    QString file;
    QString format; // empty: from the file
    QString label;
    QString characters = QStringLiteral("32-126");
    QString text;
    bool blank = false;
    bool invert = false;
    bool swap = false;
    bool reverse = false;
    bool replace = false;

    // Reading and updating keep their choices apart.
    static TableImportSettings load(bool update);
    void save(bool update) const;
};

// The form, the preview and its status line, and the buttons that both
// dialogs share.
class FirmwareDialog : public QDialog {
    Q_OBJECT
public:
    // The fields are let go before anything is taken down: closing hides
    // the dialog, and the focus leaving a box must not reach a half-gone one.
    ~FirmwareDialog() override;

protected:
    FirmwareDialog(const QString& title, DialogAsk ask, QWidget* parent);

    QLineEdit* addLine(const char* name, const QString& caption, const QString& value);
    QComboBox* addChoice(const char* name, const QString& caption, const QStringList& items,
                         const QString& value);
    QCheckBox* addCheck(const char* name, const QString& caption, bool value);
    // A box for a file's name, and its Browse... button, which asks choose
    // for a file starting from the one named. A name typed bare or relative
    // lies in the folder last used (the home folder at first), never the
    // working folder, and the box shows it in full once typed.
    using FileChooser = std::function<QString(const QString& named)>;
    QLineEdit* addFile(const char* name, const QString& caption, const QString& value,
                       const FileChooser& choose);
    QString fullPath(const QString& typed) const; // empty for empty
    // The preview and the status line, then the buttons: accept with the
    // caption and tooltip given, or close.
    void finish(const QString& acceptCaption, const QString& acceptTip);
    // Tooltips and accessible descriptions for the dialog's own controls.
    static void explainEach(std::initializer_list<std::pair<QWidget*, QString>> tips);
    // A status of any length keeps the dialog's size: it is cut short.
    void setPreview(const QString& text, const QString& status);

    QFormLayout* form_ = nullptr;
    QPushButton* acceptButton_ = nullptr;
    DialogAsk ask_;

private:
    QPlainTextEdit* preview_ = nullptr;
    QLabel* status_ = nullptr;
    QString folder_; // where a bare name lies; empty for the home folder
};

// "Export font table...": format, characters, name and options; Save writes
// the table to the file named, after asking before it replaces one.
class FontExportDialog : public FirmwareDialog {
    Q_OBJECT
public:
    // library gives the glyphs as they are on disk now; libraryPath is the
    // file the table must never be written over.
    using Library = std::function<const FontTable&()>;
    FontExportDialog(Library library, QString libraryPath, DialogAsk ask,
                     QWidget* parent = nullptr);

    // Writes the table; false, with the reason shown, when it is not written.
    bool save();

private:
    void update();
    FontExportSettings settings() const;
    QString problem(const FontExportSettings& chosen) const;

    Library library_;
    QString libraryPath_;
    std::string table_;
    std::size_t entries_ = 0; // the characters table_ holds

    QComboBox* format_ = nullptr;
    QLineEdit* characters_ = nullptr;
    QLineEdit* label_ = nullptr;
    QCheckBox* blank_ = nullptr;
    QCheckBox* invert_ = nullptr;
    QCheckBox* swap_ = nullptr;
    QCheckBox* widths_ = nullptr;
    QCheckBox* proportional_ = nullptr;
    QCheckBox* reverse_ = nullptr;
    QLineEdit* file_ = nullptr;
};

// "Import firmware table...": the file, its form, label and characters, and
// how the bytes were turned; the glyphs are then merged by the window. The
// file is read again only when its name, size or time changes.
//
// "Update firmware file..." is the same dialog given the library: it shows
// the change the library makes to the table, as a diff, and Update writes
// it into the file, which changes nowhere else.
class TableImportDialog : public FirmwareDialog {
    Q_OBJECT
public:
    using Library = std::function<const FontTable&()>;
    explicit TableImportDialog(DialogAsk ask, QWidget* parent = nullptr, Library updateFrom = {});

    const FontTable& glyphs() const { return glyphs_; }
    bool replaceExisting() const;
    QString file() const;

private:
    void update();
    void showUpdate(const TableImportSettings& chosen);
    bool writeUpdate();
    TableImportSettings settings() const;
    QString problem(const TableFileRead& read) const;

    Library library_; // set when the dialog updates the file
    FontTable glyphs_;
    struct Source {
        QString path;
        qint64 size = -1;
        QDateTime modified;
        FirmwareSource read;
    } source_;

    QLineEdit* file_ = nullptr;
    QComboBox* format_ = nullptr;
    QLineEdit* label_ = nullptr;
    QLineEdit* characters_ = nullptr;
    QLineEdit* text_ = nullptr;
    QCheckBox* blank_ = nullptr;
    QCheckBox* invert_ = nullptr;
    QCheckBox* swap_ = nullptr;
    QCheckBox* reverse_ = nullptr;
    QCheckBox* replace_ = nullptr;
};

} // namespace vorlix
