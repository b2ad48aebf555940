#include "ui/firmware_dialogs.h"

#include "common/file_io.h"
#include "common/utf8.h"
#include "library/character_name.h"
#include "library/character_ranges.h"
#include "library/library_format.h"
#include "table/firmware_file.h"
#include "table/firmware_request.h"
#include "table/font_table.h"
#include "ui/control_tips.h"
#include "ui/stored_settings.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

namespace vorlix {

namespace {

constexpr int previewLines = 14;
// Past this a status says no more that the user could act on.
constexpr int statusLength = 400;

using Export = FontExportSettings;
const Stored<Export> exportFields[] = {
    {"format", &Export::format},   {"characters", &Export::characters},
    {"label", &Export::label},     {"blank", &Export::blank},
    {"invert", &Export::invert},   {"swap", &Export::swap},
    {"widths", &Export::widths},   {"proportional", &Export::proportional},
    {"reverse", &Export::reverse}, {"file", &Export::file}};

using Import = TableImportSettings;
const Stored<Import> importFields[] = {
    {"file", &Import::file},       {"format", &Import::format},
    {"label", &Import::label},     {"characters", &Import::characters},
    {"text", &Import::text},       {"blank", &Import::blank},
    {"invert", &Import::invert},   {"swap", &Import::swap},
    {"reverse", &Import::reverse}, {"replace", &Import::replace}};

QStringList formatNames() {
    QStringList names;
    for (const std::string_view name : firmwareFormatNames()) {
        names << QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()));
    }
    return names;
}

// How the table is found and its bytes turned back, as the choices say.
TableReadRequest readRequest(const TableImportSettings& chosen) {
    TableReadRequest request;
    if (!chosen.format.isEmpty()) {
        request.format = firmwareFormatNamed(chosen.format.toStdString());
    }
    request.label = chosen.label.toStdString();
    if (!chosen.text.isEmpty()) {
        request.characters = toCodePoints(chosen.text.toStdString());
    } else if (const auto ranges = characterRanges(chosen.characters.toStdString())) {
        request.characters = std::u32string(ranges->begin(), ranges->end());
    }
    request.blank = chosen.blank;
    request.options = {chosen.invert, chosen.swap};
    request.reverse = chosen.reverse;
    return request;
}

TableUpdateRequest updateRequest(const TableImportSettings& chosen) {
    TableUpdateRequest request;
    static_cast<TableReadRequest&>(request) = readRequest(chosen);
    return request;
}

QString firstLines(const std::string& text) {
    const QStringList lines = QString::fromStdString(text).split(QLatin1Char('\n'));
    return lines.mid(0, previewLines).join(QLatin1Char('\n')) +
           (lines.size() > previewLines ? QStringLiteral("\n...") : QString());
}

} // namespace

FontExportSettings FontExportSettings::load() {
    return loadStored("exportFont", exportFields);
}

void FontExportSettings::save() const {
    saveStored(*this, "exportFont", exportFields);
}

TableImportSettings TableImportSettings::load(bool update) {
    return loadStored(update ? "updateTable" : "importTable", importFields);
}

void TableImportSettings::save(bool update) const {
    saveStored(*this, update ? "updateTable" : "importTable", importFields);
}

FirmwareDialog::FirmwareDialog(const QString& title, DialogAsk ask, QWidget* parent)
    : QDialog(parent), form_(new QFormLayout(this)), ask_(std::move(ask)) {
    setWindowTitle(title);
}

FirmwareDialog::~FirmwareDialog() {
    for (QObject* child : children()) {
        child->disconnect(this);
    }
}

QLineEdit* FirmwareDialog::addLine(const char* name, const QString& caption, const QString& value) {
    auto* line = new QLineEdit(value, this);
    line->setObjectName(QLatin1String(name));
    form_->addRow(caption, line);
    return line;
}

QComboBox* FirmwareDialog::addChoice(const char* name, const QString& caption,
                                     const QStringList& items, const QString& value) {
    auto* choice = new QComboBox(this);
    choice->setObjectName(QLatin1String(name));
    choice->addItems(items);
    choice->setCurrentIndex(std::max<int>(0, items.indexOf(value)));
    form_->addRow(caption, choice);
    return choice;
}

QCheckBox* FirmwareDialog::addCheck(const char* name, const QString& caption, bool value) {
    auto* check = new QCheckBox(caption, this);
    check->setObjectName(QLatin1String(name));
    check->setChecked(value);
    form_->addRow(QString(), check);
    return check;
}

QLineEdit* FirmwareDialog::addFile(const char* name, const QString& caption, const QString& value,
                                   const FileChooser& choose) {
    QLineEdit* line = addLine(name, caption, {});
    const auto use = [this, line](const QString& typed) {
        const QString path = fullPath(typed);
        if (!path.isEmpty()) {
            folder_ = QFileInfo(path).absolutePath();
        }
        if (path != line->text()) {
            line->setText(path);
        }
    };
    use(value); // a bare name kept by an older version lies in the home folder
    connect(line, &QLineEdit::editingFinished, this, [line, use] { use(line->text()); });
    auto* browse = new QPushButton(tr("Browse..."), this);
    browse->setObjectName(QStringLiteral("browse"));
    explain(browse, tr("Chooses the file in a file dialog."));
    form_->addRow(QString(), browse);
    connect(browse, &QPushButton::clicked, this, [this, line, use, choose] {
        if (const QString chosen = choose(fullPath(line->text())); !chosen.isEmpty()) {
            use(chosen);
        }
    });
    return line;
}

QString FirmwareDialog::fullPath(const QString& typed) const {
    if (typed.isEmpty()) {
        return {};
    }
    const QString name = QDir::fromNativeSeparators(typed);
    if (name == QLatin1String("~") || name.startsWith(QLatin1String("~/"))) {
        return QDir::cleanPath(QDir::homePath() + name.mid(1));
    }
    return QDir::cleanPath(
        QDir(folder_.isEmpty() ? QDir::homePath() : folder_).absoluteFilePath(name));
}

void FirmwareDialog::explainEach(std::initializer_list<std::pair<QWidget*, QString>> tips) {
    for (const auto& [control, tip] : tips) {
        explain(control, tip);
    }
}

void FirmwareDialog::finish(const QString& acceptCaption, const QString& acceptTip) {
    preview_ = new QPlainTextEdit(this);
    preview_->setObjectName(QStringLiteral("preview"));
    preview_->setReadOnly(true);
    preview_->setLineWrapMode(QPlainTextEdit::NoWrap);
    preview_->setFont(QFont(QStringLiteral("monospace")));
    preview_->setMinimumSize(460, 200);
    form_->addRow(tr("Preview:"), preview_);
    status_ = new QLabel(this);
    status_->setObjectName(QStringLiteral("status"));
    status_->setWordWrap(true);
    // A long word would otherwise widen the dialog to fit it.
    status_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    status_->setMinimumHeight(status_->fontMetrics().lineSpacing() * 3); // ten names fit
    status_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    form_->addRow(status_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Cancel, this);
    acceptButton_ = buttons->addButton(acceptCaption, QDialogButtonBox::AcceptRole);
    acceptButton_->setObjectName(QStringLiteral("accept"));
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    form_->addRow(buttons);
    explainEach({{preview_, tr("The first lines of what the choices give.")},
                 {status_, tr("What is wrong with the choices, or what they leave out.")},
                 {acceptButton_, acceptTip},
                 {buttons->button(QDialogButtonBox::Cancel),
                  tr("Closes the dialog without writing anything.")}});
}

void FirmwareDialog::setPreview(const QString& text, const QString& status) {
    preview_->setPlainText(text);
    status_->setText(status.size() > statusLength ? status.left(statusLength) + QChar(0x2026)
                                                  : status);
}

FontExportDialog::FontExportDialog(Library library, QString libraryPath, DialogAsk ask,
                                   QWidget* parent)
    : FirmwareDialog(tr("Export font table"), std::move(ask), parent), library_(std::move(library)),
      libraryPath_(std::move(libraryPath)) {
    const FontExportSettings start = FontExportSettings::load();
    format_ = addChoice("format", tr("Format:"), formatNames(), start.format);
    characters_ = addLine("characters", tr("Characters:"), start.characters);
    label_ = addLine("label", tr("Name:"), start.label);
    blank_ = addCheck("blank", tr("A blank column after each glyph"), start.blank);
    invert_ = addCheck("invert", tr("Invert Bits: a lit dot is a 1 bit"), start.invert);
    swap_ = addCheck("swap", tr("Swap MSB/ LSB: the bottom row is the most significant bit"),
                     start.swap);
    widths_ = addCheck("widths", tr("A table of glyph widths"), start.widths);
    proportional_ = addCheck("proportional", tr("Lit columns only, with offsets (c and arduino)"),
                             start.proportional);
    reverse_ =
        addCheck("reverse", tr("For a stick that spins the other way (mirrored)"), start.reverse);
    // The file dialog asks before replacing, and so does save(): the name
    // may be typed too.
    file_ = addFile("file", tr("Save to:"), start.file, [this](const QString& named) {
        return QFileDialog::getSaveFileName(this, tr("Export font table"), named, {}, nullptr,
                                            QFileDialog::DontConfirmOverwrite);
    });
    finish(tr("Save"), tr("Writes the table to the file, after asking before it replaces one, "
                          "and says what was written."));
    explainEach(
        {{format_, tr("The form of the table: dt or retlw lines for a PIC, .db lines for an AVR, "
                      ".byte lines for GNU as, a C or Arduino array, or the bare bytes (bin).")},
         {characters_, tr("The characters to write, as code points and ranges such as 32-126: "
                          "the table runs from the lowest to the highest, and those the library "
                          "lacks are dark.")},
         {label_, tr("The table's name in your source: a letter or _, then letters, digits or "
                     "_.")},
         {blank_, tr("Adds a blank column after each glyph's five.")},
         {invert_, tr("A lit dot is a 1 bit, as with Invert Bits in the main window; unticked, "
                      "it is a 0 bit.")},
         {swap_, tr("The bottom row is the most significant bit, as with Swap MSB/ LSB in the "
                    "main window.")},
         {widths_, tr("Also writes a table of each glyph's width, from its first lit column to "
                      "its last.")},
         {proportional_, tr("Keeps only each glyph's lit columns, with a table of where each "
                            "glyph starts (c and arduino only).")},
         {reverse_, tr("For a stick that spins the other way: each glyph's columns in the "
                       "opposite order.")},
         {file_, tr("The file the table is written to; a bare name lies in the folder last "
                    "used.")}});
    connect(acceptButton_, &QPushButton::clicked, this, [this] {
        if (save()) {
            accept();
        }
    });
    connect(format_, &QComboBox::currentIndexChanged, this, &FontExportDialog::update);
    for (QLineEdit* line : {characters_, label_, file_}) {
        connect(line, &QLineEdit::textChanged, this, &FontExportDialog::update);
    }
    for (QCheckBox* check : {blank_, invert_, swap_, widths_, proportional_, reverse_}) {
        connect(check, &QCheckBox::toggled, this, &FontExportDialog::update);
    }
    update();
}

FontExportSettings FontExportDialog::settings() const {
    return {format_->currentText(), characters_->text(),        label_->text(),
            blank_->isChecked(),    invert_->isChecked(),       swap_->isChecked(),
            widths_->isChecked(),   proportional_->isChecked(), reverse_->isChecked(),
            fullPath(file_->text())};
}

// What is wrong with the choices, in the dialog's own words; empty for nothing.
QString FontExportDialog::problem(const FontExportSettings& chosen) const {
    if (!characterRanges(chosen.characters.toStdString())) {
        return tr("Characters are code points and ranges such as 32-126,160-255.");
    }
    TableAsk ask;
    ask.job = TableJob::font;
    ask.format = *firmwareFormatNamed(chosen.format.toStdString());
    ask.request.label = chosen.label.toStdString();
    ask.request.blank = chosen.blank;
    ask.request.proportional = chosen.proportional;
    ask.widths = chosen.widths;
    switch (askProblem(ask)) {
    case AskProblem::labelNotIdentifier:
        return tr("The name must be an identifier: a letter or _, then letters, digits or _.");
    case AskProblem::labelReserved:
        return tr("\"%1\" is a reserved word of %2; choose another name.")
            .arg(chosen.label, ask.format == FirmwareFormat::c         ? tr("C")
                               : ask.format == FirmwareFormat::arduino ? tr("Arduino's C++")
                               : ask.format == FirmwareFormat::avr     ? tr("the AVR assembler")
                                                                       : tr("the PIC assembler"));
    case AskProblem::proportionalWithBlank:
    case AskProblem::proportionalFontNotC:
        return tr("Lit columns only go with c or arduino, without a blank column.");
    case AskProblem::widthsInBin:
        return tr("A bin file holds one table: no widths.");
    default: // the rest concern messages and options the dialog does not offer
        return {};
    }
}

void FontExportDialog::update() {
    const FontExportSettings chosen = settings();
    table_.clear();
    if (const QString wrong = problem(chosen); !wrong.isEmpty()) {
        setPreview({}, wrong);
        acceptButton_->setEnabled(false);
        return;
    }
    const FirmwareFormat format = *firmwareFormatNamed(chosen.format.toStdString());
    FirmwareRequest request;
    request.blank = chosen.blank;
    request.options = {chosen.invert, chosen.swap};
    request.label = chosen.label.toStdString();
    request.proportional = chosen.proportional;
    request.reverse = chosen.reverse;
    FontRequest font;
    font.characters = fontEntries({}, *characterRanges(chosen.characters.toStdString()), {});
    entries_ = font.characters.size();
    font.widths = chosen.widths;
    const FontOutput output = fontTable(format, request, font, library_());
    table_ = output.text;
    const QString shown =
        format == FirmwareFormat::bin
            ? QString::fromLatin1(QByteArray::fromStdString(table_.substr(0, 60)).toHex(' '))
            : firstLines(table_);
    if (!output.error.empty()) {
        setPreview({}, QString::fromStdString(output.error));
    } else if (!output.filled.empty()) {
        setPreview(shown, tr("Not in the library, so dark: %1.")
                              .arg(QString::fromStdString(characterNames(output.filled))));
    } else {
        setPreview(shown, {});
    }
    acceptButton_->setEnabled(!table_.empty() && !chosen.file.isEmpty());
}

bool FontExportDialog::save() {
    update(); // the library as it is now
    if (table_.empty()) {
        return false;
    }
    const QString path = fullPath(file_->text());
    const QString shown = QDir::toNativeSeparators(path);
    if (sameFile(path, libraryPath_)) {
        setPreview(firstLines(table_), tr("That is the library itself; choose another file."));
        return false;
    }
    if (QFileInfo(path).isFile() &&
        ask_({.title = windowTitle(),
              .text = tr("%1 already exists.\r\nDo you want to replace it?").arg(shown),
              .icon = QMessageBox::Question,
              .buttons = QMessageBox::Yes | QMessageBox::No,
              .defaultButton = QMessageBox::No}) != QMessageBox::Yes) {
        return false;
    }
    const WriteResult written = writeFile(path, table_);
    if (written.status != WriteStatus::written) {
        setPreview(firstLines(table_), tr("%1 could not be written: %2").arg(shown, written.error));
        return false;
    }
    settings().save();
    ask_({.title = windowTitle(),
          .text = tr("The font table, %1 characters in %2 bytes, was written to\r\n%3")
                      .arg(entries_)
                      .arg(table_.size())
                      .arg(shown),
          .icon = QMessageBox::Information});
    return true;
}

TableImportDialog::TableImportDialog(DialogAsk ask, QWidget* parent, Library updateFrom)
    : FirmwareDialog(updateFrom ? tr("Update firmware file") : tr("Import firmware table"),
                     std::move(ask), parent),
      library_(std::move(updateFrom)) {
    const TableImportSettings start = TableImportSettings::load(bool(library_));
    file_ = addFile("file", tr("Firmware file:"), start.file, [this](const QString& named) {
        return QFileDialog::getOpenFileName(
            this, tr("Import firmware table"), named,
            tr("Firmware sources (*.asm *.inc *.s *.S *.c *.h *.ino);;All files (*)"));
    });
    format_ = addChoice("format", tr("Format:"), QStringList{tr("from the file")} + formatNames(),
                        start.format);
    label_ = addLine("label", tr("Table label:"), start.label);
    characters_ = addLine("characters", tr("Characters:"), start.characters);
    text_ = addLine("text", tr("or the characters of:"), start.text);
    blank_ = addCheck("blank", tr("A blank column after each glyph"), start.blank);
    invert_ = addCheck("invert", tr("Invert Bits: a lit dot is a 1 bit"), start.invert);
    swap_ = addCheck("swap", tr("Swap MSB/ LSB: the bottom row is the most significant bit"),
                     start.swap);
    reverse_ =
        addCheck("reverse", tr("For a stick that spins the other way (mirrored)"), start.reverse);
    replace_ =
        addCheck("replace", tr("Replace characters the library holds already"), start.replace);
    if (library_) {
        finish(tr("Update"), tr("Writes the library's glyphs into the table shown, and nowhere "
                                "else in the file."));
        replace_->hide();
    } else {
        finish(tr("Import"), tr("Adds the glyphs shown to the library, and says what changed."));
    }
    explainEach(
        {{file_, tr("The firmware source that holds the table; a bare name lies in the folder "
                    "last used.")},
         {format_, tr("The form of the table, when the file alone does not say; bin takes the "
                      "file's bytes as the table.")},
         {label_, tr("The label the table follows in the file, needed when the file holds more "
                     "than the table.")},
         {characters_, tr("The characters of the table's glyphs in order, as code points and "
                          "ranges such as 32-126; empty when comments name them.")},
         {text_, tr("Or the characters of the table's glyphs typed out in order, such as "
                    "0123456789; used when not empty.")},
         {blank_, tr("The table has a blank column after each glyph's five, which is "
                     "dropped.")},
         {invert_, tr("The table was written with a lit dot as a 1 bit, as with Invert "
                      "Bits.")},
         {swap_, tr("The table was written with the bottom row as the most significant bit, as "
                    "with Swap MSB/ LSB.")},
         {reverse_, tr("The table was written for a stick that spins the other way, each "
                       "glyph's columns in the opposite order.")},
         {replace_, tr("Replaces the glyphs of characters the library holds already; unticked, "
                       "only new characters are added.")}});
    connect(acceptButton_, &QPushButton::clicked, this, [this] {
        if (library_ && !writeUpdate()) {
            return;
        }
        settings().save(bool(library_));
        accept();
    });
    connect(format_, &QComboBox::currentIndexChanged, this, &TableImportDialog::update);
    for (QLineEdit* line : {file_, label_, characters_, text_}) {
        connect(line, &QLineEdit::textChanged, this, &TableImportDialog::update);
    }
    for (QCheckBox* check : {blank_, invert_, swap_, reverse_, replace_}) {
        connect(check, &QCheckBox::toggled, this, &TableImportDialog::update);
    }
    update();
}

TableImportSettings TableImportDialog::settings() const {
    return {
        fullPath(file_->text()), format_->currentIndex() == 0 ? QString() : format_->currentText(),
        label_->text(),          characters_->text(),
        text_->text(),           blank_->isChecked(),
        invert_->isChecked(),    swap_->isChecked(),
        reverse_->isChecked(),   replace_->isChecked()};
}

bool TableImportDialog::replaceExisting() const {
    return replace_->isChecked();
}

QString TableImportDialog::file() const {
    return fullPath(file_->text());
}

// Why the file gives no glyphs, in the dialog's words.
QString TableImportDialog::problem(const TableFileRead& read) const {
    using Failure = TableFileRead::Failure;
    switch (read.failure) {
    case Failure::none:
        break;
    case Failure::missing:
        return tr("There is no such file.");
    case Failure::notPlain:
        return tr("That is no regular file (a folder, a pipe or a device); choose the "
                  "firmware's source file.");
    case Failure::unreadable:
        return read.error;
    case Failure::notTable:
        return (read.damage->line > 0 ? tr("Line %1: ").arg(read.damage->line) : QString()) +
               QString::fromStdString(read.damage->what) + QLatin1Char('.');
    case Failure::notGlyphs:
        return QString::fromStdString(read.glyphError) + QLatin1Char('.') +
               (read.labelWouldHelp
                    ? QLatin1Char(' ') + tr("If the file holds more than the table, name the "
                                            "table's label.")
                    : QString());
    }
    return {};
}

void TableImportDialog::update() {
    glyphs_ = {};
    acceptButton_->setEnabled(false);
    const TableImportSettings chosen = settings();
    if (chosen.file.isEmpty()) {
        setPreview({}, tr("Choose the firmware file that holds the table."));
        return;
    }
    // Read again only when the file is another or has changed: a keystroke
    // in another field costs no read.
    const QFileInfo info(chosen.file);
    if (chosen.file != source_.path || info.size() != source_.size ||
        info.lastModified() != source_.modified) {
        source_ = {chosen.file, info.size(), info.lastModified(), readFirmwareSource(chosen.file)};
    }
    if (source_.read.failure != TableFileRead::Failure::none) {
        TableFileRead failed;
        failed.failure = source_.read.failure;
        failed.error = source_.read.error;
        setPreview({}, problem(failed));
        return;
    }
    const auto ranges = chosen.characters.isEmpty()
                            ? std::optional<std::vector<char32_t>>(std::in_place)
                            : characterRanges(chosen.characters.toStdString());
    if (chosen.text.isEmpty() && !ranges) {
        setPreview({}, tr("Characters are code points and ranges such as 32-126."));
        return;
    }
    if (library_) {
        showUpdate(chosen);
        return;
    }
    const TableFileRead read = tableGlyphs(source_.read.bytes, readRequest(chosen));
    if (!read.ok()) {
        setPreview({}, problem(read));
        return;
    }
    glyphs_ = read.records;
    QStringList shown;
    for (std::size_t k = 0; k < glyphs_.size() && k < previewLines; ++k) {
        shown << QString::fromStdString(listLine(glyphs_[k]));
    }
    if (glyphs_.size() > previewLines) {
        shown << tr("... and %1 more").arg(glyphs_.size() - previewLines);
    }
    setPreview(shown.join(QLatin1Char('\n')), tr("%1 glyphs to import.").arg(glyphs_.size()));
    acceptButton_->setEnabled(true);
}

namespace {

QString damageWords(const Damage& damage) {
    return (damage.line > 0 ? TableImportDialog::tr("Line %1: ").arg(damage.line) : QString()) +
           QString::fromStdString(damage.what) + QLatin1Char('.');
}

} // namespace

void TableImportDialog::showUpdate(const TableImportSettings& chosen) {
    const TableUpdate update = updateTable(source_.read.bytes, updateRequest(chosen), library_());
    if (update.damage) {
        setPreview({}, damageWords(*update.damage));
        return;
    }
    QString status = update.changed.empty()
                         ? tr("The table holds the library's glyphs already: nothing to change.")
                         : tr("Glyphs that change: %1.")
                               .arg(QString::fromStdString(characterNames(update.changed)));
    if (!update.lacked.empty()) {
        status +=
            QLatin1Char(' ') + tr("Not in the library, so kept as they are: %1.")
                                   .arg(QString::fromStdString(characterNames(update.lacked)));
    }
    const std::string diff =
        lineDiff(source_.read.bytes, update.text, QFileInfo(chosen.file).fileName().toStdString());
    setPreview(QString::fromStdString(diff), status);
    acceptButton_->setEnabled(!update.changed.empty());
}

// Writes the update; false, with the reason shown, when the file is as it was.
bool TableImportDialog::writeUpdate() {
    const TableImportSettings chosen = settings();
    const FirmwareFileUpdate done =
        updateFirmwareFile(chosen.file, updateRequest(chosen), library_(), true);
    using Result = FirmwareFileUpdate::Result;
    const QString shown = QDir::toNativeSeparators(chosen.file);
    switch (done.result) {
    case Result::written:
        ask_({.text = tr("%1 was updated; the glyphs that changed: %2.")
                          .arg(shown, QString::fromStdString(characterNames(done.update.changed))),
              .icon = QMessageBox::Information});
        return true;
    case Result::unchanged:
    case Result::previewed:
        return true;
    case Result::refused:
        setPreview({}, damageWords(*done.update.damage));
        return false;
    case Result::failed:
    case Result::damaged:
        break;
    }
    setPreview({}, tr("%1 could not be updated: %2").arg(shown, done.error));
    return false;
}

} // namespace vorlix
