#include "ui/spin_preview.h"

#include "render/app_icon.h"
#include "render/png_file.h"
#include "table/stick_columns.h"
#include "ui/control_tips.h"
#include "ui/stored_settings.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScrollArea>
#include <QSpinBox>
#include <QTimer>
#include <QVBoxLayout>
#include <QWindow>

#include <numbers>

namespace vorlix {

namespace {

constexpr int framesPerSecond = 60;

struct LedColour {
    const char* name;
    QColor colour;
};
const LedColour ledColours[] = {
    {QT_TRANSLATE_NOOP("vorlix::SpinPreview", "Red"), QColor(255, 0, 0)},
    {QT_TRANSLATE_NOOP("vorlix::SpinPreview", "Green"), QColor(0, 255, 0)},
    {QT_TRANSLATE_NOOP("vorlix::SpinPreview", "Blue"), QColor(40, 80, 255)},
    {QT_TRANSLATE_NOOP("vorlix::SpinPreview", "Yellow"), QColor(255, 200, 0)},
    {QT_TRANSLATE_NOOP("vorlix::SpinPreview", "White"), QColor(255, 255, 255)}};

QString choosePictureFile(QWidget* parent, const QString& suggested) {
    // The preview asks before replacing, on the name with .png added.
    return QFileDialog::getSaveFileName(parent, SpinPreview::tr("Save picture"), suggested,
                                        SpinPreview::tr("PNG pictures (*.png)"), nullptr,
                                        QFileDialog::DontConfirmOverwrite);
}

// The ring, as large as its room allows, on black.
class RingView : public QWidget {
public:
    RingView(SpinPreview* preview, QWidget* parent) : QWidget(parent), preview_(preview) {
        setMinimumSize(240, 240);
        setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    }
    QSize sizeHint() const override { return {490, 490}; }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.fillRect(rect(), Qt::black);
        QImage frame = preview_->frame(preview_->ringSide());
        frame.setDevicePixelRatio(devicePixelRatioF());
        const QSizeF shown = frame.deviceIndependentSize();
        painter.drawImage(QPointF((width() - shown.width()) / 2, (height() - shown.height()) / 2),
                          frame);
    }

private:
    SpinPreview* preview_;
};

const Stored<SpinSettings> spinFields[] = {{"speed", &SpinSettings::speed},
                                           {"share", &SpinSettings::share},
                                           {"counterClockwise", &SpinSettings::counterClockwise},
                                           {"colour", &SpinSettings::colour},
                                           {"strip", &SpinSettings::strip},
                                           {"picture", &SpinSettings::picture}};

template <typename Control>
Control* named(Control* control, const char* name, const QString& accessibleName,
               const QString& tip) {
    control->setObjectName(QLatin1String(name));
    control->setAccessibleName(accessibleName);
    explain(control, tip);
    return control;
}

} // namespace

SpinSettings SpinSettings::load() {
    return loadStored("spinPreview", spinFields);
}

void SpinSettings::save() const {
    saveStored(*this, "spinPreview", spinFields);
}

SpinPreview::SpinPreview(ColumnsSource columns, MessageBoxHandler showMessage, QWidget* mainWindow)
    : QWidget(mainWindow, Qt::Window), columnsOf_(std::move(columns)),
      showMessage_(std::move(showMessage)), chooseFile_(choosePictureFile) {
    setObjectName(QStringLiteral("SpinPreview"));
    setWindowTitle(tr("Spin preview"));
    setWindowIcon(appIcon());
    started_.start();
    clock_ = [this] { return started_.nsecsElapsed() / 1e9; };

    const SpinSettings start = SpinSettings::load();
    ring_ = named(new RingView(this, this), "ring", tr("Spinning stick"),
                  tr("The message as the eye sees it on the stick, turning at the speed and the "
                     "way chosen."));
    stripPicture_ = new QLabel;
    strip_ = named(new QScrollArea(this), "strip", tr("Strip view"),
                   tr("The message's columns side by side, in the order the stick lights them."));
    strip_->setWidget(stripPicture_);
    strip_->setFixedHeight(96 + 24);
    QPalette dark = strip_->viewport()->palette();
    dark.setColor(QPalette::Window, Qt::black);
    strip_->viewport()->setPalette(dark);
    strip_->viewport()->setAutoFillBackground(true);
    strip_->setVisible(start.strip);

    speed_ = named(new QSpinBox(this), "speed", tr("Speed"),
                   tr("How fast the stick turns, in revolutions per minute."));
    speed_->setRange(10, 6000);
    speed_->setSingleStep(50);
    speed_->setValue(start.speed); // out of range, the nearest
    speed_->setSuffix(tr(" rpm"));
    share_ =
        named(new QSpinBox(this), "share", tr("Text covers"),
              tr("How much of each turn the message takes up; the rest of the circle stays dark."));
    share_->setRange(1, 100);
    share_->setValue(start.share);
    share_->setSuffix(tr(" % of the circle"));
    columnTime_ = named(new QLabel(this), "columnTime", tr("Time per column"),
                        tr("How long each column is lit, from the speed and the share: the time "
                           "your firmware gives each column."));
    direction_ = named(new QComboBox(this), "direction", tr("Direction"),
                       tr("Which way the stick turns, as seen from the front."));
    direction_->addItems({tr("Clockwise"), tr("Counter-clockwise")});
    direction_->setCurrentIndex(start.counterClockwise ? 1 : 0);
    colour_ = named(new QComboBox(this), "colour", tr("LED colour"),
                    tr("The colour of the stick's LEDs."));
    for (const LedColour& led : ledColours) {
        colour_->addItem(tr(led.name), led.colour);
        if (start.colour == QLatin1String(led.name)) {
            colour_->setCurrentIndex(colour_->count() - 1);
        }
    }
    blank_ = named(new QCheckBox(tr("&Blank column after each character"), this), "blank",
                   tr("Blank column after each character"),
                   tr("A dark column after each character, the same choice as the main window's "
                      "Add blank Column after each Char."));
    showStrip_ = named(new QCheckBox(tr("S&trip view"), this), "showStrip", tr("Strip view"),
                       tr("Shows the message's columns side by side under the ring."));
    showStrip_->setChecked(start.strip);
    auto* save =
        named(new QPushButton(tr("Save &picture..."), this), "savePicture", tr("Save picture"),
              tr("Saves the ring as it is shown now as a PNG picture, asking before it replaces a "
                 "file."));
    picture_ = start.picture;
    saved_ = named(new QLabel(this), "saved", tr("Picture saved"),
                   tr("What the last Save picture... wrote, and where."));
    saved_->setWordWrap(true);
    saved_->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto* controls = new QFormLayout;
    controls->addRow(tr("&Speed:"), speed_);
    controls->addRow(tr("Text &covers:"), share_);
    controls->addRow(tr("Each column:"), columnTime_);
    controls->addRow(tr("&Direction:"), direction_);
    controls->addRow(tr("LED c&olour:"), colour_);
    controls->addRow(blank_);
    controls->addRow(showStrip_);
    controls->addRow(save);
    auto* pictures = new QVBoxLayout;
    pictures->addWidget(ring_, 1);
    pictures->addWidget(strip_);
    auto* sides = new QHBoxLayout;
    sides->addLayout(pictures, 1);
    sides->addLayout(controls);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(sides, 1);
    layout->addWidget(saved_); // under both, where a long path fits

    animation_ = new QTimer(this);
    animation_->setObjectName(QStringLiteral("animation"));
    animation_->setTimerType(Qt::PreciseTimer);
    animation_->setInterval(1000 / framesPerSecond);
    connect(animation_, &QTimer::timeout, this, &SpinPreview::animate);

    for (QSpinBox* box : {speed_, share_}) {
        connect(box, &QSpinBox::valueChanged, this, &SpinPreview::settingsChanged);
    }
    for (QComboBox* box : {direction_, colour_}) {
        connect(box, &QComboBox::currentIndexChanged, this, &SpinPreview::settingsChanged);
    }
    connect(blank_, &QCheckBox::toggled, this, [this](bool blank) {
        columnsChanged();
        emit blankToggled(blank);
    });
    connect(showStrip_, &QCheckBox::toggled, strip_, &QWidget::setVisible);
    connect(save, &QPushButton::clicked, this, &SpinPreview::savePicture);

    // It goes when the main window closes.
    mainWindow->installEventFilter(this);
    columnsChanged();
    resize(760, 560);
}

void SpinPreview::setBlank(bool blank) {
    blank_->setChecked(blank); // a change reads the columns anew
}

void SpinPreview::columnsChanged() {
    columns_ = columnsOf_(blank_->isChecked());
    if (columns_.empty()) {
        columns_.resize(1); // nothing lit, but a stick to show
    }
    settingsChanged();
}

void SpinPreview::settingsChanged() {
    stick_.reset();
    const Spin now = spin(static_cast<int>(columns_.size()));
    columnTime_->setText(tr("%1 µs").arg(now.columnSeconds * 1e6, 0, 'f', 1));
    std::vector<ColumnDots> swept = columns_;
    if (now.counterClockwise) {
        reverseColumns(swept);
    }
    stripPicture_->setPixmap(QPixmap::fromImage(renderStraight(swept, now.colour)));
    stripPicture_->adjustSize();
    ring_->update();
}

SpinSettings SpinPreview::settings() const {
    return {speed_->value(),
            share_->value(),
            direction_->currentIndex() == 1,
            QLatin1String(ledColours[colour_->currentIndex()].name),
            showStrip_->isChecked(),
            picture_};
}

Spin SpinPreview::spin(int columnCount) const {
    const double share = share_->value() / 100.0;
    Spin spin{.columnAngle = 2 * std::numbers::pi * share / columnCount,
              .columnSeconds = 60.0 / speed_->value() * share / columnCount};
    spin.counterClockwise = direction_->currentIndex() == 1;
    spin.colour = colour_->currentData().value<QColor>();
    return spin;
}

QImage SpinPreview::frame(int side) {
    side = std::max(side, 1);
    if (!stick_ || stickSide_ != side) {
        stick_.emplace(columns_, spin(static_cast<int>(columns_.size())), side);
        stickSide_ = side;
    }
    return stick_->frame(clock_());
}

int SpinPreview::ringSide() const {
    return static_cast<int>(std::min(ring_->width(), ring_->height()) * ring_->devicePixelRatioF());
}

void SpinPreview::animate() {
    ring_->update();
}

void SpinPreview::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    animation_->start();
}

void SpinPreview::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
    animation_->stop();
    settings().save(); // closed by itself or with the main window
}

void SpinPreview::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange) {
        // A minimised window is not drawn; neither is anything worked out for it.
        if (isMinimized()) {
            animation_->stop();
        } else if (isVisible()) {
            animation_->start();
        }
    }
}

bool SpinPreview::eventFilter(QObject* watched, QEvent* event) {
    if (watched == parent() && event->type() == QEvent::Close) {
        close();
    }
    return QWidget::eventFilter(watched, event);
}

void SpinPreview::savePicture() {
    const QImage shown = frame(ringSide());
    const QString typed = chooseFile_(
        this, picture_.isEmpty() ? QDir::home().filePath(QStringLiteral("spin.png")) : picture_);
    if (typed.isEmpty()) {
        return;
    }
    // The question names the file that will really be written.
    const QString path = pngFileName(typed);
    const QString name = QDir::toNativeSeparators(path);
    if (QFileInfo(path).isFile() &&
        showMessage_(this,
                     {.title = windowTitle(),
                      .text = tr("%1 already exists.\r\nDo you want to replace it?").arg(name),
                      .icon = QMessageBox::Question,
                      .buttons = QMessageBox::Yes | QMessageBox::No,
                      .defaultButton = QMessageBox::No}) != QMessageBox::Yes) {
        return;
    }
    saved_->clear();
    if (const WriteResult written = writePng(path, shown); written.status != WriteStatus::written) {
        showMessage_(
            this,
            {.title = windowTitle(),
             .text =
                 tr("The picture could not be saved to\r\n%1\r\n\r\n%2").arg(name, written.error),
             .icon = QMessageBox::Critical});
        return;
    }
    picture_ = path;
    saved_->setText(tr("Saved %1 x %2 pixels, %3 bytes, as %4")
                        .arg(shown.width())
                        .arg(shown.height())
                        .arg(QFileInfo(path).size())
                        .arg(name));
}

} // namespace vorlix
