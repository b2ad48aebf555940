#include "ui/firmware_dialogs.h"

#include "common/file_io.h"
#include "common/utf8.h"
#include "library/character_name.h"
#include "library/character_ranges.h"
#include "library/library_format.h"
#include "library/library_store.h"
#include "table/font_table.h"
#include "table/table_reader.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QSettings>

namespace vorlix {

namespace {

const QStringList formats{"dt", "retlw", "avr", "gas", "c", "arduino", "bin"};
constexpr FirmwareFormat formatValues[] = {
    FirmwareFormat::dt, FirmwareFormat::retlw,   FirmwareFormat::avr, FirmwareFormat::gas,
    FirmwareFormat::c,  FirmwareFormat::arduino, FirmwareFormat::bin};
constexpr int previewLines = 14;

QSettings settings() {
    return QSettings(QSettings::UserScope, QStringLiteral("vorlix"), QStringLiteral("vorlix"));
}

QString firstLines(const std::string& text) {
    const QStringList lines = QString::fromStdString(text).split(QLatin1Char('\n'));
    return lines.mid(0, previewLines).join(QLatin1Char('\n')) +
           (lines.size() > previewLines ? QStringLiteral("\n...") : QString());
}

} // namespace

RememberingDialog::RememberingDialog(const QString& title, const QString& group, QWidget* parent)
    : QDialog(parent), group_(group) {
    setWindowTitle(title);
    setLayout(new QFormLayout);
}

QLineEdit* RememberingDialog::addLine(const QString& name, const QString& caption,
                                      const QString& start) {
    auto* line = new QLineEdit(settings().value(group_ + "/" + name, start).toString(), this);
    line->setObjectName(name);
    static_cast<QFormLayout*>(layout())->addRow(caption, line);
    fields_[name] = line;
    return line;
}

QComboBox* RememberingDialog::addChoice(const QString& name, const QString& caption,
                                        const QStringList& items) {
    auto* choice = new QComboBox(this);
    choice->setObjectName(name);
    choice->addItems(items);
    choice->setCurrentText(settings().value(group_ + "/" + name, items.front()).toString());
    static_cast<QFormLayout*>(layout())->addRow(caption, choice);
    fields_[name] = choice;
    return choice;
}

QCheckBox* RememberingDialog::addCheck(const QString& name, const QString& caption) {
    auto* check = new QCheckBox(caption, this);
    check->setObjectName(name);
    check->setChecked(settings().value(group_ + "/" + name, false).toBool());
    static_cast<QFormLayout*>(layout())->addRow(QString(), check);
    fields_[name] = check;
    return check;
}

void RememberingDialog::finish(const QString& acceptCaption) {
    auto* form = static_cast<QFormLayout*>(layout());
    preview_ = new QPlainTextEdit(this);
    preview_->setObjectName(QStringLiteral("preview"));
    preview_->setReadOnly(true);
    preview_->setLineWrapMode(QPlainTextEdit::NoWrap);
    preview_->setFont(QFont(QStringLiteral("monospace")));
    preview_->setMinimumSize(460, 200);
    form->addRow(QStringLiteral("Preview:"), preview_);
    status_ = new QLabel(this);
    status_->setObjectName(QStringLiteral("status"));
    status_->setWordWrap(true);
    status_->setMinimumHeight(status_->fontMetrics().lineSpacing() * 3); // ten names fit
    status_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    form->addRow(status_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Cancel, this);
    acceptButton_ = buttons->addButton(acceptCaption, QDialogButtonBox::AcceptRole);
    acceptButton_->setObjectName(QStringLiteral("accept"));
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    form->addRow(buttons);
}

void RememberingDialog::remember() const {
    QSettings stored = settings();
    for (const auto& [name, field] : fields_) {
        const QString key = group_ + "/" + name;
        if (const auto* line = qobject_cast<QLineEdit*>(field)) {
            stored.setValue(key, line->text());
        } else if (const auto* choice = qobject_cast<QComboBox*>(field)) {
            stored.setValue(key, choice->currentText());
        } else if (const auto* check = qobject_cast<QCheckBox*>(field)) {
            stored.setValue(key, check->isChecked());
        }
    }
}

void RememberingDialog::setPreview(const QString& text, const QString& problem) {
    preview_->setPlainText(text);
    status_->setText(problem);
}

FontExportDialog::FontExportDialog(FontTable library, QString libraryPath, QWidget* parent)
    : RememberingDialog(QStringLiteral("Export font table"), QStringLiteral("exportFont"), parent),
      library_(std::move(library)), libraryPath_(std::move(libraryPath)) {
    QComboBox* format = addChoice(QStringLiteral("format"), QStringLiteral("Format:"), formats);
    QLineEdit* characters =
        addLine(QStringLiteral("characters"), QStringLiteral("Characters:"), "32-126");
    QLineEdit* label = addLine(QStringLiteral("label"), QStringLiteral("Name:"), "vorlix_font");
    std::vector<QCheckBox*> checks{
        addCheck(QStringLiteral("blank"), QStringLiteral("A blank column after each glyph")),
        addCheck(QStringLiteral("invert"), QStringLiteral("Invert Bits: a lit dot is a 1 bit")),
        addCheck(QStringLiteral("swap"),
                 QStringLiteral("Swap MSB/ LSB: the bottom row is the most significant bit")),
        addCheck(QStringLiteral("widths"), QStringLiteral("A table of glyph widths")),
        addCheck(QStringLiteral("proportional"),
                 QStringLiteral("Lit columns only, with offsets (c and arduino)")),
        addCheck(QStringLiteral("reverse"),
                 QStringLiteral("For a stick that spins the other way (mirrored)"))};
    QLineEdit* file = addLine(QStringLiteral("file"), QStringLiteral("Save to:"), QString());
    auto* browse = new QPushButton(QStringLiteral("Browse..."), this);
    static_cast<QFormLayout*>(layout())->addRow(QString(), browse);
    connect(browse, &QPushButton::clicked, this, [this, file] {
        const QString chosen =
            QFileDialog::getSaveFileName(this, QStringLiteral("Export font table"), file->text());
        if (!chosen.isEmpty()) {
            file->setText(chosen);
        }
    });
    finish(QStringLiteral("Save"));
    connect(acceptButton_, &QPushButton::clicked, this, [this] {
        if (save()) {
            accept();
        }
    });
    connect(format, &QComboBox::currentIndexChanged, this, &FontExportDialog::update);
    for (QLineEdit* line : {characters, label, file}) {
        connect(line, &QLineEdit::textChanged, this, &FontExportDialog::update);
    }
    for (QCheckBox* check : checks) {
        connect(check, &QCheckBox::toggled, this, &FontExportDialog::update);
    }
    update();
}

void FontExportDialog::update() {
    const auto field = [this](const char* name) {
        return findChild<QCheckBox*>(name)->isChecked();
    };
    const FirmwareFormat format =
        formatValues[findChild<QComboBox*>(QStringLiteral("format"))->currentIndex()];
    const bool cForm = format == FirmwareFormat::c || format == FirmwareFormat::arduino;
    const QString label = findChild<QLineEdit*>(QStringLiteral("label"))->text();
    const auto characters =
        characterRanges(findChild<QLineEdit*>(QStringLiteral("characters"))->text().toStdString());
    static const QRegularExpression identifier(QStringLiteral("^[A-Za-z_][A-Za-z0-9_]*$"));
    QString problem;
    if (!characters) {
        problem = QStringLiteral("Characters are code points and ranges such as 32-126,160-255.");
    } else if (!identifier.match(label).hasMatch()) {
        problem = QStringLiteral("The name must be an identifier: a letter or _, then letters, "
                                 "digits or _.");
    } else if (field("proportional") && (!cForm || field("blank"))) {
        problem = QStringLiteral("Lit columns only go with c or arduino, without a blank column.");
    } else if (field("widths") && format == FirmwareFormat::bin) {
        problem = QStringLiteral("A bin file holds one table: no widths.");
    }
    table_.clear();
    if (!problem.isEmpty()) {
        setPreview({}, problem);
        acceptButton_->setEnabled(false);
        return;
    }
    FirmwareRequest request;
    request.blank = field("blank");
    request.options = {field("invert"), field("swap")};
    request.label = label.toStdString();
    request.proportional = field("proportional");
    request.reverse = field("reverse");
    FontRequest font;
    font.characters = codePointSpan(*characters);
    font.widths = field("widths");
    const FontOutput output = fontTable(format, request, font, library_);
    table_ = output.text;
    if (format == FirmwareFormat::bin) {
        setPreview(QString::fromLatin1(QByteArray::fromStdString(table_.substr(0, 60)).toHex(' ')),
                   {});
    } else {
        setPreview(firstLines(table_), {});
    }
    if (!output.error.empty()) {
        setPreview({}, QString::fromStdString(output.error));
    } else if (!output.filled.empty()) {
        setPreview(firstLines(table_),
                   QStringLiteral("Not in the library, so dark: %1.")
                       .arg(QString::fromStdString(characterNames(output.filled))));
    }
    acceptButton_->setEnabled(!table_.empty() &&
                              !findChild<QLineEdit*>(QStringLiteral("file"))->text().isEmpty());
}

bool FontExportDialog::save() {
    const QString path = findChild<QLineEdit*>(QStringLiteral("file"))->text();
    if (sameFile(path, libraryPath_)) {
        setPreview(firstLines(table_),
                   QStringLiteral("That is the library itself; choose another file."));
        return false;
    }
    const WriteResult written = writeFile(path, table_);
    if (written.status != WriteStatus::written) {
        setPreview(firstLines(table_), QStringLiteral("%1 could not be written: %2")
                                           .arg(QDir::toNativeSeparators(path), written.error));
        return false;
    }
    remember();
    return true;
}

TableImportDialog::TableImportDialog(QWidget* parent)
    : RememberingDialog(QStringLiteral("Import firmware table"), QStringLiteral("importTable"),
                        parent) {
    QLineEdit* file = addLine(QStringLiteral("file"), QStringLiteral("Firmware file:"), QString());
    auto* browse = new QPushButton(QStringLiteral("Browse..."), this);
    static_cast<QFormLayout*>(layout())->addRow(QString(), browse);
    connect(browse, &QPushButton::clicked, this, [this, file] {
        const QString chosen = QFileDialog::getOpenFileName(
            this, QStringLiteral("Import firmware table"), file->text(),
            QStringLiteral("Firmware sources (*.asm *.inc *.s *.S *.c *.h *.ino);;All files (*)"));
        if (!chosen.isEmpty()) {
            file->setText(chosen);
        }
    });
    QComboBox* format = addChoice(QStringLiteral("format"), QStringLiteral("Format:"),
                                  QStringList{QStringLiteral("from the file")} + formats);
    std::vector<QLineEdit*> lines{
        file, addLine(QStringLiteral("label"), QStringLiteral("Table label:"), QString()),
        addLine(QStringLiteral("characters"), QStringLiteral("Characters:"), "32-126"),
        addLine(QStringLiteral("text"), QStringLiteral("or the characters of:"), QString())};
    std::vector<QCheckBox*> checks{
        addCheck(QStringLiteral("blank"), QStringLiteral("A blank column after each glyph")),
        addCheck(QStringLiteral("invert"), QStringLiteral("Invert Bits: a lit dot is a 1 bit")),
        addCheck(QStringLiteral("swap"),
                 QStringLiteral("Swap MSB/ LSB: the bottom row is the most significant bit")),
        addCheck(QStringLiteral("reverse"),
                 QStringLiteral("For a stick that spins the other way (mirrored)")),
        addCheck(QStringLiteral("replace"),
                 QStringLiteral("Replace characters the library holds already"))};
    finish(QStringLiteral("Import"));
    connect(acceptButton_, &QPushButton::clicked, this, [this] {
        remember();
        accept();
    });
    connect(format, &QComboBox::currentIndexChanged, this, &TableImportDialog::update);
    for (QLineEdit* line : lines) {
        connect(line, &QLineEdit::textChanged, this, &TableImportDialog::update);
    }
    for (QCheckBox* check : checks) {
        connect(check, &QCheckBox::toggled, this, &TableImportDialog::update);
    }
    update();
}

bool TableImportDialog::replaceExisting() const {
    return findChild<QCheckBox*>(QStringLiteral("replace"))->isChecked();
}

QString TableImportDialog::file() const {
    return findChild<QLineEdit*>(QStringLiteral("file"))->text();
}

void TableImportDialog::update() {
    const auto field = [this](const char* name) {
        return findChild<QCheckBox*>(name)->isChecked();
    };
    glyphs_ = {};
    acceptButton_->setEnabled(false);
    if (file().isEmpty()) {
        setPreview({}, QStringLiteral("Choose the firmware file that holds the table."));
        return;
    }
    const FileRead read = readFile(file(), libraryByteLimit);
    if (read.missing || !read.error.isEmpty()) {
        setPreview({}, read.missing ? QStringLiteral("There is no such file.") : read.error);
        return;
    }
    const int form = findChild<QComboBox*>(QStringLiteral("format"))->currentIndex();
    const std::string text = findChild<QLineEdit*>(QStringLiteral("text"))->text().toStdString();
    const auto ranges =
        characterRanges(findChild<QLineEdit*>(QStringLiteral("characters"))->text().toStdString());
    if (text.empty() && !ranges) {
        setPreview({}, QStringLiteral("Characters are code points and ranges such as 32-126."));
        return;
    }
    const TableBytes bytes =
        readTableBytes(read.bytes, form == 0 ? std::nullopt : std::optional(formatValues[form - 1]),
                       findChild<QLineEdit*>(QStringLiteral("label"))->text().toStdString());
    if (bytes.damage) {
        setPreview({}, (bytes.damage->line > 0 ? QStringLiteral("Line %1: ").arg(bytes.damage->line)
                                               : QString()) +
                           QString::fromStdString(bytes.damage->what) + QLatin1Char('.'));
        return;
    }
    const std::u32string characters =
        text.empty() ? std::u32string(ranges->begin(), ranges->end()) : toCodePoints(text);
    const TableGlyphs glyphs = glyphsOfTable(bytes, characters, field("blank"),
                                             {field("invert"), field("swap")}, field("reverse"));
    if (!glyphs.error.empty()) {
        setPreview({}, QString::fromStdString(glyphs.error) + QLatin1Char('.'));
        return;
    }
    glyphs_ = glyphs.records;
    QStringList shown;
    for (std::size_t k = 0; k < glyphs_.size() && k < previewLines; ++k) {
        shown << QString::fromStdString(listLine(glyphs_[k]));
    }
    if (glyphs_.size() > previewLines) {
        shown << QStringLiteral("... and %1 more").arg(glyphs_.size() - previewLines);
    }
    setPreview(shown.join(QLatin1Char('\n')),
               QStringLiteral("%1 glyphs to import.").arg(glyphs_.size()));
    acceptButton_->setEnabled(true);
}

} // namespace vorlix
