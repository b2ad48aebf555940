#pragma once
// The fonts list's two firmware dialogs: a whole font written as a table
// for firmware, and a firmware's table read back into glyphs. Both show a
// preview of what the core makes of the choices, and remember them
// (QSettings) for the next time.

#include "library/font_record.h"

#include <QDialog>

#include <map>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QSettings;

namespace vorlix {

// A dialog whose fields are remembered under one settings group.
class RememberingDialog : public QDialog {
public:
    RememberingDialog(const QString& title, const QString& group, QWidget* parent);

protected:
    QLineEdit* addLine(const QString& name, const QString& caption, const QString& start);
    QComboBox* addChoice(const QString& name, const QString& caption, const QStringList& items);
    QCheckBox* addCheck(const QString& name, const QString& caption);
    // The preview and the status line, then the buttons: accept with the
    // caption given, or close.
    void finish(const QString& acceptCaption);
    void remember() const;
    void setPreview(const QString& text, const QString& problem);

    QPushButton* acceptButton_ = nullptr;

private:
    QString group_;
    std::map<QString, QWidget*> fields_;
    QPlainTextEdit* preview_ = nullptr;
    QLabel* status_ = nullptr;
};

// "Export font table...": format, characters, name and options; Save writes
// the table to the file named.
class FontExportDialog : public RememberingDialog {
    Q_OBJECT
public:
    // libraryPath: the file the table must never be written over.
    FontExportDialog(FontTable library, QString libraryPath, QWidget* parent = nullptr);

    // Writes the table; false, with the reason shown, when it cannot.
    bool save();

private:
    void update();

    FontTable library_;
    QString libraryPath_;
    std::string table_;
};

// "Import firmware table...": the file, its form, label and characters, and
// how the bytes were turned; the glyphs are then merged by the window.
class TableImportDialog : public RememberingDialog {
    Q_OBJECT
public:
    explicit TableImportDialog(QWidget* parent = nullptr);

    const FontTable& glyphs() const { return glyphs_; }
    bool replaceExisting() const;
    QString file() const;

private:
    void update();

    FontTable glyphs_;
};

} // namespace vorlix
